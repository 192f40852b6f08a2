#include "MessageBox.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace kest {
namespace {

MessageBoxHandler& BoxHandler() {
    static MessageBoxHandler handler;
    return handler;
}

FileDialogHandler& DialogHandler() {
    static FileDialogHandler handler;
    return handler;
}

int ShowRealMessageBox(const QString& text, const QString& caption, unsigned flags) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (flags & 0xF0u) {
        case KEST_MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
        case KEST_MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
        case KEST_MB_ICONWARNING: box.setIcon(QMessageBox::Warning); break;
        case KEST_MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
    }
    switch (flags & 0x0Fu) {
        case KEST_MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case KEST_MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        case KEST_MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return IDYES;
        case QMessageBox::No: return IDNO;
        case QMessageBox::Cancel: return IDCANCEL;
        default: return (flags & 0x0Fu) == KEST_MB_OK ? IDOK : IDCANCEL;
    }
}

// "Name (*.ext)|*.ext|All Files (*.*)|*.*||" -> Qt's "Name (*.ext);;All Files (*)"
QString QtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        QString label = parts[i];
        const int paren = label.indexOf(QLatin1Char('('));
        if (paren > 0) label = label.left(paren).trimmed();
        out << QStringLiteral("%1 (%2)").arg(label, pattern);
    }
    return out.join(QStringLiteral(";;"));
}

QString ShowRealFileDialog(QWidget* parent, const FileDialogRequest& r) {
    QFileDialog dlg(parent, r.save ? QString() : QString(), QString(), QtFilter(r.filter));
    dlg.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setOption(QFileDialog::ReadOnly, false);
    dlg.setDefaultSuffix(r.defaultExtension);
    if (!r.defaultName.isEmpty()) dlg.selectFile(r.defaultName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    return QFileInfo(dlg.selectedFiles().first()).absoluteFilePath();
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { BoxHandler() = std::move(handler); }

QString AppName() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("KestLoad") : name;
}

int KestMessageBox(const QString& text, unsigned flags) {
    if (BoxHandler()) return BoxHandler()(text, AppName(), flags);
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        qWarning("%s", qPrintable(text));
        return (flags & 0x0Fu) == KEST_MB_OK ? IDOK : IDCANCEL;
    }
    return ShowRealMessageBox(text, AppName(), flags);
}

void SetFileDialogHandler(FileDialogHandler handler) { DialogHandler() = std::move(handler); }

QString KestFileDialog(QWidget* parent, const FileDialogRequest& request) {
    if (DialogHandler()) return DialogHandler()(parent, request);
    return ShowRealFileDialog(parent, request);
}

}  // namespace kest

extern "C" int KestMessageBoxW(const char16_t* text, unsigned int flags) {
    return kest::KestMessageBox(text ? QString::fromUtf16(text) : QString(), flags);
}
