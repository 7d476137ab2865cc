#pragma once

#include <QString>
#include <QWidget>

// Show command for a window opened by the shell: normal size and position.
inline constexpr int SW_SHOWNORMAL = 1;

// Hands a document or web address to the desktop, as the shell's ShellExecuteA does. Only the
// operation "Open" (any letter case) is known. Returns a value above 32 on success and a small
// error number otherwise; nothing is ever shown to the user. The window, parameters, directory
// and show command are accepted for the caller's sake; the desktop decides where the target
// opens.
long ShellExecuteA(WId hwnd, const QString& operation, const QString& file,
                   const QString& parameters, const QString& directory, int showCmd);
