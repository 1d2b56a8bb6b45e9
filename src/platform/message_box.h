#pragma once
// Message boxes: OK, Abort/Ignore, and the application's standard error box. Tests replace
// the box with MessageBoxHook to see what would be shown and to choose the answer.
#include <functional>
#include <string>

enum class MsgButtons { Ok, AbortIgnore };
enum class MsgIcon { Information, Warning, Error };
enum class MsgResult { Ok, Abort, Ignore };

MsgResult ShowMessageBox(const std::string& text, const std::string& title, MsgButtons buttons,
                         MsgIcon icon = MsgIcon::Information);
// The error box of a failed event handler or start-up step (title: the application's).
void ShowErrorBox(const std::string& text);

using MessageBoxFunction =
    std::function<MsgResult(const std::string& text, const std::string& title, MsgButtons)>;
extern MessageBoxFunction MessageBoxHook;  // empty: real SDL message box
