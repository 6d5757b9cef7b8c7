// The preview panel: drawn from the fields on every edit, messages in place
// of boxes, never a change to what the picture command saves, the exact
// pixels at 1:1, and the save dialog's types.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

#include "base/Errors.h"
#include "scale/drawing/ScaleText.h"
#include "scale/settings/Settings.h"
#include "ui/main/MainLayout.h"
#include "ui/preview/PreviewCanvas.h"
#include "ui/preview/PreviewJob.h"
#include "ui/preview/ScalePreview.h"
#include "ui/support/UiApp.h"

using namespace sp;

namespace {

TScalePreview* Panel(const App& a) { return a.Find<TScalePreview>("pnlPreview"); }
TPreviewCanvas* Canvas(const App& a) { return a.Find<TPreviewCanvas>("pbxPreview"); }

// Lets the scheduled request start, then waits until its picture is shown.
void Settle(const App& a) {
    QCoreApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Panel(a)->Busy(); }, 20000));
    QCoreApplication::processEvents();
}

QImage Grab(const App& a) { return Canvas(a)->grab().toImage().convertToFormat(QImage::Format_RGB32); }

int DarkPixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 64;
    return n;
}

// A first start, then the settings file gets `extra` and the program starts again.
void Restart(App& a, const std::string& extra) {
    a.editor.reset();
    a.form.reset();
    a.dir.Write("scaleplate.ini", a.Ini() + extra);
    a.Start();
}

QString Message(const App& a) {
    const auto* l = a.Find<QLabel>("lblPreviewMessage");
    return l->isVisible() ? l->text() : QString();
}

}  // namespace

TEST(Preview, ShownBesideTheFieldsAndRedrawnOnEveryEdit) {
    App a;
    Settle(a);
    EXPECT_EQ(a.form->width(), 488 + 400);
    EXPECT_EQ(a.form->height(), MainFormHeight);
    EXPECT_EQ(Panel(a)->geometry(), QRect(488, 0, 400, MainFormHeight));
    EXPECT_EQ(a.Find<QLabel>("lblPreviewFacts")->text(), "80 × 40 mm · 1890 × 945 px · 600 dpi");
    const QImage first = Grab(a);
    EXPECT_GT(DarkPixels(first), 50);  // the arc and the ticks, in black

    Type(a.Masked("medtRadius"), "25");
    Settle(a);
    const QImage wider = Grab(a);
    EXPECT_NE(wider, first);
    a.Find<QCheckBox>("cboxMirror")->click();
    Settle(a);
    EXPECT_NE(Grab(a), wider);
    // With the pivot off the middle the mirror shows.
    Type(a.Masked("medtX"), "20");
    Settle(a);
    const QImage mirrored = Grab(a);
    a.Find<QCheckBox>("cboxMirror")->click();
    Settle(a);
    const QImage plain = Grab(a);
    EXPECT_NE(plain, mirrored);
    EXPECT_TRUE(a.dialogs.shown.empty());  // no box while typing
}

TEST(Preview, FactsNameTheDefinitionChosenForTheNextPicture) {
    App a;
    a.dir.Write("arc.txt", "150,M\r\n100,N\r\n80,S\r\n30,M\r\n");
    a.OpenDefinition("arc.txt");
    Settle(a);
    ASSERT_TRUE(a.Session().DefinitionActive);
    auto* facts = a.Find<QLabel>("lblPreviewFacts");
    EXPECT_EQ(facts->text(), "80 × 40 mm · 1890 × 945 px · 600 dpi · arc.txt");
    const QImage fromDefinition = Grab(a);
    a.dialogs.fileAnswers.push_back(a.PathQ("d.bmp"));
    a.Button("btnSave")->click();  // the definition was for this one picture
    Settle(a);
    EXPECT_EQ(facts->text(), "80 × 40 mm · 1890 × 945 px · 600 dpi");
    EXPECT_NE(Grab(a), fromDefinition);
}

TEST(Preview, TakesNoFocusAndKeepsTheTabChain) {
    App a;
    Settle(a);
    EXPECT_EQ(Panel(a)->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(Canvas(a)->focusPolicy(), Qt::NoFocus);
    // From the mirror box Tab goes to the buttons, as in the window without a preview.
    auto* mirror = a.Find<QCheckBox>("cboxMirror");
    mirror->setFocus();
    QTest::keyClick(mirror, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), a.Button("btnClose"));
}

// Every refusal, whichever test gives it: the panel shows exactly the text
// that saving then shows, in a box of the same kind, over the last picture,
// faded; no box appears before the save.
struct Refusal {
    std::vector<std::pair<const char*, const char*>> edits;  // control, text
    char box;                                                // 'M' message, 'E' error
    std::string text;
};

TEST(Preview, EveryRefusalShowsTheTextSavingShows) {
    const Refusal rows[] = {
        {{{"medtRadius", ""}}, 'M', msg::NeedRadius},
        // The texts are tested before anything is drawn, as saving does.
        {{{"medtNumSegments", "256"}, {"edtValueLeft", "x"}}, 'M', msg::ValueLeftNotNumber},
        {{{"edtValueRight", "1,2.3"}}, 'M', msg::ValueRightNotNumber},
        {{{"edtUnit", "V"}, {"edtTextHeight", "0"}}, 'M', msg::NeedTextHeight},
        {{{"edtUnit", "V"}, {"edtTextHeight", "99"}}, 'M', msg::TextTooHigh},
        // Errors of the drawing: the error box's text.
        {{{"medtNumSegments", "256"}}, 'E', ErrorBoxText(ERangeError().what())},
        {{{"edtLAngle", "99999999999"}}, 'E', ErrorBoxText(EConvertError("99999999999").what())},
    };
    App a;
    Settle(a);
    const QImage good = Grab(a);
    const auto set = [&](const char* name, const QString& text) {
        if (name[0] == 'm') a.Masked(name)->SetValue(text);
        else a.Edit(name)->setText(text);
    };
    for (const Refusal& row : rows) {
        const std::string what = row.edits.front().first + std::string("=") + row.edits.front().second;
        std::vector<std::pair<const char*, QString>> before;
        for (const auto& [name, text] : row.edits) {
            before.emplace_back(name, name[0] == 'm' ? a.Masked(name)->Value() : a.Edit(name)->text());
            set(name, text);
        }
        Settle(a);
        const QString panel = Message(a);
        EXPECT_EQ(panel.toStdString(), row.text) << what;
        EXPECT_TRUE(a.dialogs.shown.empty()) << what;
        const QImage faded = Grab(a);
        EXPECT_NE(faded, good) << what;
        EXPECT_GT(DarkPixels(faded), 0) << what;
        a.Button("btnSave")->click();
        ASSERT_EQ(a.dialogs.shown.size(), 1u) << what;
        EXPECT_EQ(a.dialogs.shown[0].kind, row.box) << what;
        EXPECT_EQ(a.dialogs.shown[0].text.toStdString(), panel.toStdString()) << what;
        a.dialogs.shown.clear();
        for (const auto& [name, text] : before) set(name, text);
        Settle(a);
        EXPECT_TRUE(Message(a).isEmpty()) << what;
    }
    EXPECT_EQ(Grab(a), good);
}

TEST(Preview, HugeRangeIsCappedAndSaidSo) {
    App a;
    Settle(a);
    const QImage worked = Grab(a);
    // Tens of thousands of calls: painted by the worker, still shown.
    a.Edit("edtLAngle")->setText("30135");
    Settle(a);
    EXPECT_TRUE(Message(a).isEmpty());
    EXPECT_GT(DarkPixels(Grab(a)), 50);
    EXPECT_NE(Grab(a), worked);
    a.Edit("edtLAngle")->setText("3000000");
    Settle(a);
    EXPECT_EQ(Message(a), TooLargeText());
}

// The ceiling counts calls: a picture of exactly that many is shown, one
// call more is too large.
TEST(Preview, APictureOfExactlyTheCallLimitIsShown) {
    PreviewInput in;
    in.params.Dpi = 600;
    in.fields = FirstRunFields();
    const PreviewResult whole = ComputePreview(in, false, {100, 100});
    ASSERT_EQ(whole.kind, PreviewResult::Picture);
    const std::size_t calls = whole.list->Items.size();
    const PreviewResult exact = ComputePreview(in, false, {100, 100}, calls);
    ASSERT_EQ(exact.kind, PreviewResult::Picture);
    EXPECT_EQ(*exact.list, *whole.list);
    EXPECT_EQ(ComputePreview(in, false, {100, 100}, calls - 1).kind, PreviewResult::TooLarge);
}

// The pictures a sequence of commands saves do not depend on the preview:
// it works on copies of everything one command leaves to the next.
std::vector<std::string> SaveSequence(App& a, bool preview) {
    std::vector<std::string> files;
    int n = 0;
    const auto save = [&](const char* type = nullptr) {
        if (preview) Settle(a);
        const std::string name = "p" + std::to_string(++n) + (type ? ".svg" : ".bmp");
        a.dialogs.fileAnswers.push_back(a.PathQ(name));
        a.dialogs.filterAnswers.push_back(type ? type : "Bitmaps (*.bmp)");
        a.Button("btnSave")->click();
        if (preview) Settle(a);
        files.push_back(FileExistsAt(a.dir.Path(name)) ? a.dir.Read(name) : std::string("none"));
    };
    a.Find<QCheckBox>("cboxHalfSmall")->setChecked(true);
    save();  // SegmentCount and MasterEvery doubled
    FormFields f = a.form->Fields();
    f.segments = "1 5";  // no integer: the doubled count carries over
    a.form->SetFields(f);
    save();
    save("SVG (*.svg)");
    a.Masked("medtHeight")->SetValue("0");
    save();  // the message; nothing saved
    a.Masked("medtHeight")->SetValue("40");
    f.centralRadius = "";
    a.form->SetFields(f);
    a.Find<QCheckBox>("cboxHalfSmall")->setChecked(false);
    save();
    return files;
}

TEST(Preview, SavedPicturesAreTheSameWithAndWithoutIt) {
    App shown;
    const std::vector<std::string> with = SaveSequence(shown, true);
    App hidden;
    Restart(hidden, "[Window]\r\nPreview=0\r\n");
    ASSERT_EQ(hidden.form->findChild<TScalePreview*>(), nullptr);
    const std::vector<std::string> without = SaveSequence(hidden, false);
    ASSERT_EQ(with.size(), without.size());
    for (std::size_t i = 0; i < with.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(with[i] == without[i]);
    }
    EXPECT_EQ(with[3], "none");
    EXPECT_NE(with[0], with[1]);
    EXPECT_EQ(shown.Session().Params, hidden.Session().Params);
}

TEST(Preview, PreviewOffGivesTheFixedWindowAndTheKeyStays) {
    App a;
    const std::string before = a.Ini();
    a.Button("btnClose")->click();
    EXPECT_EQ(a.Ini(), before);  // no [Window] section is written
    Restart(a, "[Window]\r\nPreview=0\r\n");
    EXPECT_EQ(a.form->findChild<TScalePreview*>(), nullptr);
    EXPECT_EQ(a.form->size(), QSize(488, MainFormHeight));  // the fields and the numbers group
    EXPECT_EQ(a.form->minimumSize(), a.form->maximumSize());
    a.Button("btnClose")->click();
    EXPECT_EQ(a.Ini(), before + "[Window]\r\nPreview=0\r\n");
}

TEST(Preview, OneToOneShowsTheSavedPixels) {
    App a;
    a.Find<QCheckBox>("cboxMirror")->setChecked(true);
    a.Masked("medtX")->SetValue("30");
    Settle(a);
    TPreviewCanvas* c = Canvas(a);
    const QPointF centre(c->width() / 2.0, c->height() / 2.0);
    for (int i = 0; i < 40 && c->Zoom() < 1; ++i) {
        QWheelEvent wheel(centre, c->mapToGlobal(centre), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(c, &wheel);
    }
    ASSERT_EQ(c->Zoom(), 1.0);
    Settle(a);
    ASSERT_TRUE(c->ShowsRaster());
    const QImage view = Grab(a);

    a.dialogs.fileAnswers.push_back(a.PathQ("exact.bmp"));
    a.Button("btnSave")->click();
    const QImage saved(a.PathQ("exact.bmp"));
    ASSERT_FALSE(saved.isNull());
    const QPoint o = c->Origin().toPoint();
    int compared = 0, dark = 0, differ = 0;
    for (int y = 1; y < view.height() - 1; ++y)
        for (int x = 1; x < view.width() - 1; ++x) {
            const QPoint g(x - o.x(), y - o.y());
            if (g.x() < 1 || g.y() < 1 || g.x() >= saved.width() - 1 || g.y() >= saved.height() - 1) continue;
            ++compared;
            dark += qGray(saved.pixel(g)) < 128;
            differ += (view.pixel(x, y) & 0xFFFFFF) != (saved.pixel(g) & 0xFFFFFF);
        }
    EXPECT_GT(compared, 10000);
    EXPECT_GT(dark, 100);  // the visible part holds ticks, not only paper
    EXPECT_EQ(differ, 0);

    QMouseEvent dbl(QEvent::MouseButtonDblClick, centre, c->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(c, &dbl);
    EXPECT_LT(c->Zoom(), 1.0);
}

TEST(Preview, SaveDialogTypesDecideTheFormat) {
    App a;
    Settle(a);
    const auto saveAs = [&](const char* name, const char* type) {
        a.dialogs.fileAnswers.push_back(a.PathQ(name));
        if (type) a.dialogs.filterAnswers.push_back(type);
        a.Button("btnSave")->click();
        return a.dir.Read(name).substr(0, 5);
    };
    EXPECT_EQ(saveAs("a.png", nullptr).substr(0, 2), "BM");  // the default type: a BMP whatever the name
    EXPECT_EQ(saveAs("b.png", "Bitmaps (*.bmp)").substr(0, 2), "BM");
    EXPECT_EQ(saveAs("c", "PNG (*.png)").substr(1, 3), "PNG");
    EXPECT_EQ(saveAs("d.bmp", "SVG (*.svg)").substr(0, 5), "<?xml");
    EXPECT_EQ(saveAs("e", "PDF (*.pdf)").substr(0, 4), "%PDF");
    const FileDialogSetup& setup = a.dialogs.fileDialogs.at(0);
    EXPECT_EQ(setup.filter, "Bitmaps (*.bmp)|*.bmp|PNG (*.png)|*.png|SVG (*.svg)|*.svg|PDF (*.pdf)|*.pdf");
    EXPECT_EQ(setup.defaultExt, "bmp");
    // The dialog's pane shows the picture about to be saved.
    ASSERT_FALSE(setup.previewImage.isNull());
    EXPECT_GT(DarkPixels(setup.previewImage.convertToFormat(QImage::Format_RGB32)), 20);
}

TEST(Preview, FilterDescriptionsAndTheirExtensions) {
    const QStringList d = FilterDescriptions("Bitmaps (*.bmp)|*.bmp|PNG (*.png)|*.png");
    EXPECT_EQ(d, QStringList({"Bitmaps (*.bmp)", "PNG (*.png)"}));
    EXPECT_EQ(FilterExtension("PNG (*.png)"), "png");
    EXPECT_EQ(FilterExtension("Textový súbor (*.txt)"), "txt");
}

// The numbers and the unit are drawing calls like the ticks: the preview
// shows them, and only where the saved picture has them (around the arc).
TEST(Preview, ShowsTheNumbersAndTheUnit) {
    App a;
    Settle(a);
    const QImage plain = Grab(a);
    a.Edit("edtTextHeight")->setText("2,5");
    a.Edit("edtValueLeft")->setText("0");
    a.Edit("edtValueRight")->setText("10");
    a.Edit("edtUnit")->setText("mA");
    Settle(a);
    const QImage numbered = Grab(a);
    EXPECT_GT(DarkPixels(numbered), DarkPixels(plain) + 30);
    a.Edit("edtValueRight")->setText("x");  // refused: the sentence over the faded picture
    Settle(a);
    EXPECT_NE(Grab(a), numbered);
}

TEST(Preview, MarksCollidingTextsAndSaysWhich) {
    App a;
    a.Edit("edtValueLeft")->setText("0");
    a.Edit("edtValueRight")->setText("10");
    Settle(a);
    const auto* warnings = a.Find<QLabel>("lblPreviewWarnings");
    EXPECT_TRUE(warnings->isHidden());
    EXPECT_TRUE(Canvas(a)->Marks().empty());
    // A number at every tick: "-3" runs into "-2" and its neighbours.
    a.Edit("edtValueLeft")->setText("-10");
    a.Edit("edtValueRight")->setText("0");
    Type(a.Masked("medtMasterSegment"), "1");
    Settle(a);
    EXPECT_FALSE(warnings->isHidden());
    EXPECT_TRUE(warnings->text().contains(QString::fromUtf8("Čísla -3 a -2 sa prekrývajú.")));
    EXPECT_TRUE(warnings->text().contains(QString::fromUtf8("(spolu 10 prekrytí)")));  // three, then the count
    EXPECT_EQ(warnings->toolTip().count('\n'), 9);
    EXPECT_EQ(Canvas(a)->Marks().size(), 11u);
    // The marks are red on the picture.
    const QImage marked = Grab(a);
    int red = 0;
    for (int y = 0; y < marked.height(); ++y)
        for (int x = 0; x < marked.width(); ++x) {
            const QColor c = marked.pixelColor(x, y);
            red += c.red() > 180 && c.green() < 80 && c.blue() < 80;
        }
    EXPECT_GT(red, 50);
    // Room again: the sentence and the marks go.
    Type(a.Masked("medtMasterSegment"), "5");
    Settle(a);
    EXPECT_TRUE(warnings->isHidden());
    EXPECT_TRUE(Canvas(a)->Marks().empty());
}
