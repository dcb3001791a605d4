// The File menu's save, save as and open commands: dialogs, the replace and open questions, the
// caption, and a clear message whenever a file cannot be written or read.
#include "app/file_commands.h"

#include <QDir>

#include "app/input_file.h"
#include "model/tvrl.h"
#include "ui/main_window.h"
#include "ui/prompter.h"

namespace tavrel::app {

namespace {

constexpr const char* kSaveTitle = "保存";
constexpr const char* kSaveAsTitle = "另存为...";
constexpr const char* kOpenTitle = "打开...";
constexpr const char* kReplaceTitle = "保存文件";
constexpr const char* kReplaceQuestion = "已存在，要替换它吗？";  // after the file's path
constexpr const char* kOpenQuestion = "所有计算结果和未保存数据将会丢失，要打开其它文件吗？";
constexpr const char* kCaptionSeparator = "  ";

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

}  // namespace

QString fileCaption(const QString& path) {
    return ui::programCaption() + text(kCaptionSeparator) + QDir::toNativeSeparators(path);
}

FileCommands::FileCommands(ui::MainWindow& window, ui::Prompter& prompter)
    : m_window(window), m_prompter(prompter) {}

void FileCommands::save() {
    saveWithDialog(text(kSaveTitle), m_currentFileName.isEmpty());
}

void FileCommands::saveAs() {
    saveWithDialog(text(kSaveAsTitle), true);
}

// The dialog comes back after every No to the replace question; an empty name from it ends the command.
void FileCommands::saveWithDialog(const QString& dialogTitle, bool askFirst) {
    const QString nameBefore = m_currentFileName;
    bool askForName = askFirst;
    for (;;) {
        if (askForName) {
            const QString chosen =
                m_prompter.saveFileName(dialogTitle, text(kInputFileFilter), m_currentFileName);
            if (chosen.isEmpty()) {
                return;
            }
            m_currentFileName = chosen;
        }
        switch (confirmReplace()) {
            case Replace::Write:
                if (writeCurrentFile()) {
                    m_window.setWindowTitle(fileCaption(m_currentFileName));
                } else {
                    m_currentFileName = nameBefore;
                }
                return;
            case Replace::AskAgain:
                m_currentFileName.clear();
                askForName = true;
                break;
            case Replace::Stop:
                m_currentFileName.clear();
                return;
        }
    }
}

FileCommands::Replace FileCommands::confirmReplace() {
    if (!fileExists(m_currentFileName)) {
        return Replace::Write;
    }
    switch (m_prompter.message(QDir::toNativeSeparators(m_currentFileName) + text(kReplaceQuestion),
                               text(kReplaceTitle), ui::MessageButtons::YesNoCancel)) {
        case ui::Answer::Yes:
            return Replace::Write;
        case ui::Answer::No:
            return Replace::AskAgain;
        case ui::Answer::Ok:
        case ui::Answer::Cancel:
            break;
    }
    return Replace::Stop;
}

// A failed write leaves the file on disk as it was and says why; the caller then gives the current file
// name back its value from before the command, so the next Save does not aim at a file never written.
bool FileCommands::writeCurrentFile() {
    const Expected<void> written =
        writeInputFile(m_currentFileName, m_window.designInput(), tvrl::Unwritable::Refuse);
    if (written) {
        return true;
    }
    m_prompter.message(QStringLiteral("文件未能保存：%1\n%2")
                           .arg(QDir::toNativeSeparators(m_currentFileName),
                                QString::fromStdString(written.error().message)),
                       text(ui::kMessageTitle), ui::MessageButtons::Ok);
    return false;
}

// Reading finishes before anything is applied: a file that cannot be read, or ends before its last
// line, is refused whole and the window, the caption and the current file name stay as they were.
void FileCommands::open() {
    if (m_prompter.message(text(kOpenQuestion), text(kOpenTitle), ui::MessageButtons::YesNo) !=
        ui::Answer::Yes) {
        return;
    }
    const QString chosen =
        m_prompter.openFileName(text(kOpenTitle), text(kInputFileFilter), m_currentFileName);
    if (!chosen.isEmpty()) {
        openFile(chosen);
    }
}

void FileCommands::openFile(const QString& path) {
    const Expected<tvrl::Values> read = tvrl::readCompleteFile(QDir::toNativeSeparators(path).toStdString());
    if (!read) {
        m_prompter.message(QString::fromStdString(read.error().message), text(ui::kMessageTitle),
                           ui::MessageButtons::Ok);
        return;
    }
    m_currentFileName = path;
    tvrl::apply(*read, m_window);
    m_window.greyResultArea();
    m_window.setWindowTitle(fileCaption(m_currentFileName));
}

}  // namespace tavrel::app
