// The real boxes and file dialogs (not the scripted ones): where they
// appear, what language Qt's parts speak, and that no file dialog reads a
// file it must not read.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "support/TestDir.h"
#include "ui/common/Dialogs.h"
#include "ui/common/PicturePreview.h"
#include "ui/common/PlainIconProvider.h"
#include "ui/common/Translations.h"
#include "ui/main/MainWindow.h"

using namespace std::chrono_literals;

namespace {

// Ends the test program when a step hangs: a hang is this test's failure.
class Watchdog {
public:
    Watchdog(std::chrono::seconds limit, const char* what)
        : thread_([this, limit, what] {
              std::unique_lock lock(mutex_);
              if (!done_.wait_for(lock, limit, [this] { return released_; })) {
                  std::fprintf(stderr, "HUNG: %s\n", what);
                  std::_Exit(3);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            released_ = true;
        }
        done_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_;
    bool released_ = false;
    std::thread thread_;
};

// Runs `act` on the next modal window once it is shown.
void WhenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(10);
}

}  // namespace

TEST(Boxes, ErrorBoxAtStartIsCentredWhereTheWindowWillBe) {
    TestDir dir;
    std::filesystem::create_directory(dir.Path("scaleplate.ini"));  // cannot be created
    sp::Dialogs real;
    QRect box;
    WhenModal([&](QWidget* w) {
        box = w->geometry();
        static_cast<QDialog*>(w)->done(0);
    });
    sp::MainWindow form(dir.Path("scaleplate"), real);
    ASSERT_TRUE(box.isValid());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((box.center() - centre).manhattanLength(), 8) << box.center().x() << "," << box.center().y();
}

TEST(Translations, QtTextsSpeakSlovakTheProgramsOwnStayAsTheyAre) {
    const QLocale before;
    QTranslator* translator = sp::InstallQtTranslations(qApp);
    ASSERT_NE(translator, nullptr) << "qtbase_sk from qt6-translations-l10n";
    {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), "Zrušiť");
    }
    sp::Dialogs real;
    QStringList seen;
    WhenModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr);
        seen << box->windowTitle();
        for (QAbstractButton* b : box->buttons()) seen << b->text();
        QTest::keyClick(box, Qt::Key_Escape);  // Esc answers No
    });
    EXPECT_FALSE(real.Confirm(nullptr, "Chcete vytvoriť nový súbor?"));
    seen.sort();
    EXPECT_EQ(seen, (QStringList{"&No", "&Yes", "Confirm"}));
    QCoreApplication::removeTranslator(translator);
    delete translator;
    QLocale::setDefault(before);
}

TEST(FileDialogs, IconsAndTypesComeFromNamesNeverFromContents) {
    TestDir dir;
    QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(dir.Path("png-inside")), "PNG");
    dir.Write("text-inside", "plain words\n");
    const QFileInfo png(QString::fromStdString(dir.Path("png-inside")));
    const QFileInfo text(QString::fromStdString(dir.Path("text-inside")));
    ASSERT_NE(QFileIconProvider().type(png), QFileIconProvider().type(text)) << "Qt's provider reads contents";
    const sp::TPlainIconProvider plain;
    EXPECT_EQ(plain.type(png), plain.type(text));
    EXPECT_NE(plain.type(QFileInfo(QString::fromStdString(dir.Path("a.bmp")))), plain.type(text));
}

// As root, Qt's own provider reads /proc/kmsg to guess its type and waits
// there for good; closing the dialog then waits for that reader.
TEST(FileDialogs, TypingProcIntoTheFileNameDoesNotHang) {
    if (::access("/proc/kmsg", R_OK) != 0) GTEST_SKIP() << "needs a readable /proc/kmsg (root)";
    const Watchdog dog(30s, "the file dialog in /proc");
    const QString theme = QIcon::themeName();
    QIcon::setThemeName("hicolor");  // as on a desktop: Qt's provider then asks the file's type
    sp::Dialogs real;
    sp::FileDialogSetup setup{"Uložiť súbor:", "Bitmaps (*.bmp)|*.bmp", "bmp", "/tmp", "", true, true, {}, {}};
    WhenModal([](QWidget* w) {
        auto* name = w->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        QTest::keyClicks(name, "/proc/");
        QTest::qWait(1500);  // the folder lists, its icons and types load
        QTest::keyClicks(name, "kmsg");
        QTest::qWait(300);
        static_cast<QDialog*>(w)->reject();
    });
    EXPECT_EQ(real.RunFileDialog(nullptr, setup), std::nullopt);
    QIcon::setThemeName(theme);
}

// A name typed without an extension takes the extension of the chosen type:
// chosen in the list now, chosen at the last save, or the default one.
TEST(FileDialogs, ANameWithoutExtensionTakesTheChosenType) {
    TestDir dir;
    const QString folder = QString::fromStdString(dir.Path(""));
    const struct {
        const char* typed;
        bool chooseSecond;      // the user moves down the type list
        const char* remembered; // the type chosen at the last save
        const char* saved;
    } rows[] = {{"a", true, "", "a.png"}, {"b", false, "PNG (*.png)", "b.png"}, {"c", false, "", "c.bmp"}};
    for (const auto& r : rows) {
        sp::Dialogs real;
        sp::FileDialogSetup setup{"Uložiť súbor:", "Bitmaps (*.bmp)|*.bmp|PNG (*.png)|*.png", "bmp", folder, "",
                                  false, true, r.remembered, {}};
        WhenModal([&r](QWidget* w) {
            if (r.chooseSecond) QTest::keyClick(w->findChild<QComboBox*>("fileTypeCombo"), Qt::Key_Down);
            QTest::keyClicks(w->findChild<QLineEdit*>("fileNameEdit"), r.typed);
            static_cast<QDialog*>(w)->accept();
        });
        EXPECT_EQ(real.RunFileDialog(nullptr, setup).value_or("").toStdString(), dir.Path(r.saved)) << r.typed;
    }
}

TEST(PicturePreview, ReadsOnlySmallRegularFiles) {
    TestDir dir;
    const QString bmp = QString::fromStdString(dir.Path("wide.bmp"));
    QImage picture(400, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    const QImage shown = sp::ReadPreview(bmp, QSize(200, 200));
    EXPECT_EQ(shown.size(), QSize(200, 50));
    const qint64 size = QFileInfo(bmp).size();
    EXPECT_FALSE(sp::ReadPreview(bmp, QSize(200, 200), size).isNull());
    EXPECT_TRUE(sp::ReadPreview(bmp, QSize(200, 200), size - 1).isNull());  // over the cap

    const Watchdog dog(10s, "the preview of a pipe or /proc entry");
    const std::string fifo = dir.Path("pipe.bmp");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(sp::ReadPreview(QString::fromStdString(fifo), QSize(200, 200)).isNull());
    dir.Write("empty.bmp", "");
    EXPECT_TRUE(sp::ReadPreview(QString::fromStdString(dir.Path("empty.bmp")), QSize(200, 200)).isNull());
    EXPECT_TRUE(sp::ReadPreview("/proc/kmsg", QSize(200, 200)).isNull());
}

TEST(PicturePreview, ShowsThePictureAboutToBeSavedUntilAnExistingFileIsSelected) {
    TestDir dir;
    QImage existing(400, 100, QImage::Format_RGB32);
    existing.fill(Qt::black);
    const QString bmp = QString::fromStdString(dir.Path("old.bmp"));
    ASSERT_TRUE(existing.save(bmp, "BMP"));
    QImage about(100, 100, QImage::Format_RGB32);
    about.fill(Qt::white);

    QWidget parent;
    sp::TPicturePreview pane(&parent);
    pane.SetDefaultImage(about);
    const auto shown = [&] { return pane.pixmap().toImage(); };
    EXPECT_EQ(shown().size(), QSize(200, 200));
    EXPECT_EQ(qGray(shown().pixel(100, 100)), 255);
    pane.ShowFile(bmp);
    EXPECT_EQ(shown().size(), QSize(200, 50));
    EXPECT_EQ(qGray(shown().pixel(100, 25)), 0);
    pane.ShowFile(QString::fromStdString(dir.Path("new.bmp")));  // a name not yet there
    EXPECT_EQ(shown().size(), QSize(200, 200));
}
