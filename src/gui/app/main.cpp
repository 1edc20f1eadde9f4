#include "gui/app/TfrmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <exception>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Scribora"));
    QApplication::setOrganizationName(QStringLiteral("Velvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Scribora"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Autorun menu authoring"));
    parser.addHelpOption();
    const QCommandLineOption noSplash(QStringLiteral("no-splash"), QStringLiteral("Start without the splash screen."));
    parser.addOption(noSplash);
    parser.addPositionalArgument(QStringLiteral("project"), QStringLiteral("A .cdprj project to open."));
    parser.process(app);

    try {
        scribora::gui::TfrmMain::Options options;
        options.showSplash = !parser.isSet(noSplash);
        if (!parser.positionalArguments().isEmpty())
            options.projectPath = QDir::toNativeSeparators(parser.positionalArguments().first());
        scribora::gui::TfrmMain window(std::move(options));
        window.show();
        return app.exec();
    } catch (const std::exception &e) {
        QMessageBox::critical(nullptr, QStringLiteral("Scribora"), QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
