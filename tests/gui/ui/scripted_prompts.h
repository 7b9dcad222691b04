#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "gui/app/window_prompts.h"

// Answers the window's modal questions from a script and records what was
// asked, so that widget tests never block on a real dialog.
class ScriptedPrompts : public dorvane::WindowPrompts {
public:
    QStringList messages;
    QStringList questions;
    std::deque<bool> answers;  // Yes/No, in order; No when the script runs out
    QString openFile;          // what the open dialog returns ("" = cancel)
    QString saveFile;          // what the save dialog returns ("" = cancel)
    int saveDialogs = 0;
    std::optional<QString> port;  // what the port dialog returns
    int aboutBoxes = 0;
    // Called while a question is "open" (the nested loop of a real box).
    std::function<void()> duringQuestion;

    QStringList informations;  // the boxes with the information icon (also in messages)

    void message(QWidget*, const QString& text) override { messages << text; }
    void information(QWidget*, const QString& text) override {
        messages << text;
        informations << text;
    }
    bool question(QWidget*, const QString& text) override {
        questions << text;
        if (duringQuestion) duringQuestion();
        if (answers.empty()) return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    QString openFilter;  // the filter the open dialog was given
    QString openFileName(QWidget*, const QString& filter) override {
        openFilter = filter;
        return openFile;
    }
    QString saveFileName(QWidget*, const QString&, const QString&) override {
        ++saveDialogs;
        return saveFile;
    }
    std::optional<QString> choosePort(QWidget*, const QString&) override { return port; }
    void about(QWidget*) override { ++aboutBoxes; }
};
