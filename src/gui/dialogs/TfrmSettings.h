#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace scribora::gui {

// Tools, Settings: the default project folder and whether the New Project
// wizard opens at start. Carries the default language through unchanged.
class TfrmSettings : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmSettings(QWidget *parent = nullptr);

    void setDefaultProjectDirectory(const QString &dir) { m_dir = dir; }
    QString defaultProjectDirectory() const { return m_dir; }
    void setShowNewProject(bool show) { m_showNewProject = show; }
    bool showNewProject() const { return m_showNewProject; }
    void setDefaultLanguage(const QString &language) { m_language = language; }
    QString defaultLanguage() const { return m_language; }

    void FormShow();
    void bttnProjectDirBrowseClick();
    void bttnOKClick();
    void bttnCancelClick();

    QLineEdit *txtDefaultProjectDirectory = nullptr;
    QPushButton *bttnProjectDirBrowse = nullptr;
    QCheckBox *chkShowNewProject = nullptr;
    QPushButton *bttnOK = nullptr;
    QPushButton *bttnCancel = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_dir;
    bool m_showNewProject = true;
    QString m_language;
};

} // namespace scribora::gui
