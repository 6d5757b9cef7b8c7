// Dialogs that answer from a script instead of waiting on a modal window.
#pragma once

#include <QDialog>
#include <deque>
#include <functional>
#include <vector>

#include "ui/common/Dialogs.h"

struct Shown {
    char kind;  // 'M' message, 'E' error, 'C' confirmation, 'S' the unsaved-changes question
    QString caption, text;
};

class FakeDialogs : public sp::Dialogs {
public:
    std::vector<Shown> shown;
    std::deque<std::optional<QString>> fileAnswers;  // next file dialog answers
    std::deque<QString> filterAnswers;               // the type chosen with the next file answers
    std::deque<bool> confirmAnswers;
    std::function<bool(QDialog*)> modal;              // runs the editor
    std::vector<sp::FileDialogSetup> fileDialogs;     // set-ups seen
    std::deque<SaveAnswer> saveAnswers;               // Cancel when none is left
    std::deque<std::optional<QColor>> colourAnswers;
    std::deque<std::optional<int>> chooseAnswers;
    std::vector<QStringList> choices;                 // the lists offered

    void Message(QWidget*, const QString& caption, const QString& text) override { shown.push_back({'M', caption, text}); }
    void Error(QWidget*, const QString& caption, const QString& text) override { shown.push_back({'E', caption, text}); }
    bool Confirm(QWidget*, const QString& text) override {
        shown.push_back({'C', "Confirm", text});
        const bool yes = !confirmAnswers.empty() && confirmAnswers.front();
        if (!confirmAnswers.empty()) confirmAnswers.pop_front();
        return yes;
    }
    std::optional<QString> RunFileDialog(QWidget*, sp::FileDialogSetup& setup) override {
        fileDialogs.push_back(setup);
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (answer) setup.fileName = *answer;
        if (answer && !filterAnswers.empty()) {
            setup.selectedFilter = filterAnswers.front();
            filterAnswers.pop_front();
        }
        return answer;
    }
    SaveAnswer AskSave(QWidget*, const QString& caption, const QString& text) override {
        shown.push_back({'S', caption, text});
        const SaveAnswer a = saveAnswers.empty() ? SaveAnswer::Cancel : saveAnswers.front();
        if (!saveAnswers.empty()) saveAnswers.pop_front();
        return a;
    }
    std::optional<QColor> ChooseColour(QWidget*, const QColor&) override {
        if (colourAnswers.empty()) return std::nullopt;
        auto a = colourAnswers.front();
        colourAnswers.pop_front();
        return a;
    }
    std::optional<int> Choose(QWidget*, const QString&, const QString&, const QStringList& items) override {
        choices.push_back(items);
        if (chooseAnswers.empty()) return std::nullopt;
        auto a = chooseAnswers.front();
        chooseAnswers.pop_front();
        return a;
    }
    bool ShowModal(QDialog* dialog) override {
        if (!modal) return false;
        dialog->setResult(QDialog::Rejected);
        return modal(dialog);
    }
};
