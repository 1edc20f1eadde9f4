#pragma once

#include "gui/dialogs/Prompter.h"

#include <QQueue>
#include <QStringList>

// A prompter for tests: records every request as one line ("question: title: text")
// and answers from queues. An unscripted question answers No, an unscripted file
// dialog is cancelled. Installs itself for its lifetime.
class ScriptedPrompter : public scribora::gui::Prompter
{
public:
    ScriptedPrompter() { scribora::gui::setPrompter(this); }
    ~ScriptedPrompter() override { scribora::gui::setPrompter(nullptr); }

    QStringList asked;               // every request, in order
    QQueue<bool> answers;            // for question, chooseColour, chooseFont
    QQueue<QString> paths;           // for openFile, saveFile, chooseFolder
    QQueue<QColor> colours;
    QQueue<QFont> fonts;
    QStringList filters;             // the filter of each file dialog, in order

    bool question(QWidget *, const QString &title, const QString &text) override
    {
        asked << QStringLiteral("question: ") + title + QStringLiteral(": ") + text;
        return answers.isEmpty() ? false : answers.dequeue();
    }
    void error(QWidget *, const QString &title, const QString &text) override
    {
        asked << QStringLiteral("error: ") + title + QStringLiteral(": ") + text;
    }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        asked << QStringLiteral("information: ") + title + QStringLiteral(": ") + text;
    }
    QString openFile(QWidget *, const QString &title, const QString &, const QString &filter) override
    {
        asked << QStringLiteral("openFile: ") + title;
        filters << filter;
        return paths.isEmpty() ? QString() : paths.dequeue();
    }
    QString saveFile(QWidget *, const QString &title, const QString &, const QString &filter) override
    {
        asked << QStringLiteral("saveFile: ") + title;
        filters << filter;
        return paths.isEmpty() ? QString() : paths.dequeue();
    }
    QString chooseFolder(QWidget *, const QString &title, const QString &) override
    {
        asked << QStringLiteral("chooseFolder: ") + title;
        return paths.isEmpty() ? QString() : paths.dequeue();
    }
    bool chooseColour(QWidget *, QColor &value) override
    {
        asked << QStringLiteral("chooseColour");
        if (colours.isEmpty())
            return false;
        value = colours.dequeue();
        return true;
    }
    bool chooseFont(QWidget *, QFont &value) override
    {
        asked << QStringLiteral("chooseFont");
        if (fonts.isEmpty())
            return false;
        value = fonts.dequeue();
        return true;
    }
};
