// The end of the program: exit question, other windows, geometry record and last-input file.
#include "app/lifecycle.h"

#include <QRect>

#include <optional>
#include <utility>

#include "app/last_input.h"
#include "ui/form_layout.h"
#include "ui/main_window.h"
#include "ui/prompter.h"
#include "ui/twips.h"

namespace tavrel::app {

namespace {

constexpr const char* kExitQuestion = "所有计算结果和未保存数据将会丢失，真的要退出吗？";
constexpr const char* kExitTitle = "退出程序";

}  // namespace

Lifecycle::Lifecycle(ui::MainWindow& window, ui::Prompter& prompter, const LastInputFile& lastInput)
    : m_window(window), m_prompter(prompter), m_lastInput(lastInput) {}

bool Lifecycle::closeRequested() {
    if (m_unloaded) {
        return true;
    }
    if (m_prompter.message(QString::fromUtf8(kExitQuestion), QString::fromUtf8(kExitTitle),
                           ui::MessageButtons::YesNo) != ui::Answer::Yes) {
        return false;
    }
    unload();
    return true;
}

bool Lifecycle::endSession(bool mayAsk) {
    if (mayAsk) {
        return closeRequested();
    }
    unload();
    return true;
}

void Lifecycle::unload() {
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    m_window.unloadOtherWindows();
    if (!m_window.isMinimized()) {
        writeGeometry();
    }
    writeLastInput();
}

// The outer frame of the window, in twips from the screen's top-left corner. Nothing reads it back.
void Lifecycle::writeGeometry() {
    const QRect frame = m_window.frameGeometry();
    const std::pair<const char*, int> keys[] = {
        {"MainLeft", frame.x()},
        {"MainTop", frame.y()},
        {"MainWidth", frame.width()},
        {"MainHeight", frame.height()},
    };
    const double dpi = ui::logicalDpi(m_window);
    bool stored = true;
    for (const auto& [key, pixels] : keys) {
        stored = m_prompter.writeSetting(QString::fromUtf8(key), QString::number(ui::toTwips(pixels, dpi))) &&
                 stored;
    }
    if (!stored) {
        m_prompter.message(QStringLiteral("窗口位置未能保存到用户设置中。"),
                           QString::fromUtf8(ui::kMessageTitle), ui::MessageButtons::Ok);
    }
}

void Lifecycle::writeLastInput() {
    if (const Expected<void> written = m_lastInput.write(m_window.designInput()); !written) {
        m_prompter.message(QString::fromStdString(written.error().message),
                           QString::fromUtf8(ui::kMessageTitle), ui::MessageButtons::Ok);
    }
}

}  // namespace tavrel::app
