// Message boxes and file dialogs behind replaceable functions. The program shows
// real ones; tests install handlers that record what would be shown and answer.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "KestLoadLibExport.h"
#include "Tarn_Kest.h"

class QWidget;

namespace kest {

// Answers of a message box.
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// text, caption, KEST_MB_* flags -> IDOK, IDCANCEL, IDYES or IDNO
using MessageBoxHandler = std::function<int(const QString& text, const QString& caption, unsigned flags)>;
// Installs a handler; an empty one restores the real message box.
KESTLOADLIB_API void SetMessageBoxHandler(MessageBoxHandler handler);

// Shows `text` with the application's name as caption.
KESTLOADLIB_API int KestMessageBox(const QString& text, unsigned flags = KEST_MB_OK);

// The application's name as the host program set it.
KESTLOADLIB_API QString AppName();

struct FileDialogRequest {
    bool save;                 // save dialog (with overwrite prompt) or open dialog
    QString filter;            // "Name (*.ext)|*.ext|All Files (*.*)|*.*||"
    QString defaultExtension;  // without the dot
    QString defaultName;       // a name ending in '/': the folder to start in
};
// The chosen full path, or empty text when the user cancelled.
using FileDialogHandler = std::function<QString(QWidget* parent, const FileDialogRequest& request)>;
KESTLOADLIB_API void SetFileDialogHandler(FileDialogHandler handler);
KESTLOADLIB_API QString KestFileDialog(QWidget* parent, const FileDialogRequest& request);

// Opening a document with the desktop's viewer (the manual); false on failure.
using UrlOpener = std::function<bool(const QString& path)>;
KESTLOADLIB_API void SetUrlOpener(UrlOpener opener);
KESTLOADLIB_API bool KestOpenDocument(const QString& path);

// Starting a program as a new process with extra environment variables.
using ProcessStarter =
    std::function<bool(const QString& program, const QStringList& arguments, const QStringList& environment)>;
KESTLOADLIB_API void SetProcessStarter(ProcessStarter starter);
KESTLOADLIB_API bool KestStartProcess(const QString& program, const QStringList& arguments,
                                      const QStringList& environment);

}  // namespace kest

// The engine's message hook, looked up by name at call time.
extern "C" KESTLOADLIB_API int KestMessageBoxW(const char16_t* text, unsigned int flags);
