#include "DlgBuilder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolTip>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kest {
namespace {

const char* const kIdProperty = "kestDlgId";

}  // namespace

void SetDlgCtrlId(QWidget* control, int id) {
    control->setProperty(kIdProperty, id);
    if (id > 0) control->setObjectName(QStringLiteral("ctrl%1").arg(id));
}

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long num = static_cast<long long>(a) * b;
    long long q = num / c;
    const long long r = num % c;
    if (std::llabs(r) * 2 >= std::llabs(static_cast<long long>(c))) q += ((num < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(q);
}

QFont GdiFont(const QString& face, int height, int weight, bool underline) {
    QFont f(face);
    f.setStyleHint(QFont::SansSerif);
    if (height < 0) {
        f.setPixelSize(-height);
    } else if (height > 0) {
        // A cell height: find the em size whose ascent + descent gives it.
        QFont probe(face);
        probe.setPixelSize(100);
        const QFontMetricsF fm(probe);
        const double cellPerEm = (fm.ascent() + fm.descent()) / 100.0;
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(height / cellPerEm))));
    }
    f.setWeight(weight >= 700 ? QFont::Bold : weight >= 600 ? QFont::DemiBold : QFont::Normal);
    f.setUnderline(underline);
    return f;
}

CDlgUnits::CDlgUnits(const QFont& font) {
    const QFontMetrics fm(font);
    const int cx =
        fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (cx / 26 + 1) / 2;
    m_baseY = fm.height();
}

int CDlgUnits::ToPixelX(int dluX) const { return MulDiv(dluX, m_baseX, 4); }
int CDlgUnits::ToPixelY(int dluY) const { return MulDiv(dluY, m_baseY, 8); }

QRect CDlgUnits::ToPixels(int x, int y, int cx, int cy) const {
    return QRect(ToPixelX(x), ToPixelY(y), ToPixelX(cx), ToPixelY(cy));
}

QFont DialogFont(const DlgTemplate& t) {
    // Point size at 96 dpi as a character height: -MulDiv(pt, 96, 72).
    return GdiFont(QString::fromLatin1(t.face), -MulDiv(t.pointSize, 96, 72), 400);
}

QSize BuildDialogControls(QWidget* dialog, const DlgTemplate& t) {
    const QFont font = DialogFont(t);
    dialog->setFont(font);
    const CDlgUnits units(font);
    const Lang lang = CurrentLanguage();
    for (const CtrlTemplate& c : t.controls) {
        const char* utf8 = c.Text(lang);
        const QString text = QString::fromUtf8(utf8 ? utf8 : "");
        QWidget* w = nullptr;
        switch (c.kind) {
            case CtrlKind::GroupBox: w = new QGroupBox(text, dialog); break;
            case CtrlKind::Static: {
                auto* l = new QLabel(text, dialog);
                Qt::Alignment a = Qt::AlignTop;
                a |= (c.style & ST_CENTER)  ? Qt::AlignHCenter
                     : (c.style & ST_RIGHT) ? Qt::AlignRight
                                            : Qt::AlignLeft;
                l->setAlignment(a);
                // A static text as tall as two lines wraps its words, as the
                // dialogs' own static texts do; a one-line label never wraps.
                l->setWordWrap(!(c.style & ST_RIGHT) && (text.contains(QLatin1Char('\n')) || c.cy >= 16));
                w = l;
                break;
            }
            case CtrlKind::Edit:
                if (c.style & ST_MULTILINE) {
                    auto* e = new QPlainTextEdit(text, dialog);
                    e->setReadOnly(c.style & ST_READONLY);
                    e->setTabChangesFocus(true);
                    w = e;
                } else {
                    auto* e = new QLineEdit(text, dialog);
                    // Texts of any length that a file brings (the default cuts at 32,767).
                    e->setMaxLength(std::numeric_limits<int>::max());
                    e->setReadOnly(c.style & ST_READONLY);
                    if (c.style & ST_RIGHT) e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                    w = e;
                }
                break;
            case CtrlKind::ComboDropDown:
            case CtrlKind::ComboDropList: {
                auto* cb = new QComboBox(dialog);
                cb->setEditable(c.kind == CtrlKind::ComboDropDown);
                if (cb->lineEdit()) cb->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
                cb->setInsertPolicy(QComboBox::NoInsert);
                w = cb;
                break;
            }
            case CtrlKind::ListBox: {
                auto* lb = new QListWidget(dialog);
                lb->setSortingEnabled(c.style & ST_SORT);
                w = lb;
                break;
            }
            case CtrlKind::PushButton: {
                auto* b = new QPushButton(c.style & ST_ICON ? QString() : text, dialog);
                b->setAutoDefault(false);
                b->setDefault(c.style & ST_DEFAULT);
                if (c.style & ST_ICON) b->setToolTip(text);
                w = b;
                break;
            }
            case CtrlKind::CheckBox: w = new QCheckBox(text, dialog); break;
            case CtrlKind::RadioButton: w = new QRadioButton(text, dialog); break;
            case CtrlKind::Tab: w = new QTabWidget(dialog); break;
            case CtrlKind::EtchedLine:
            case CtrlKind::Frame: {
                auto* f = new QFrame(dialog);
                f->setFrameShape(c.kind == CtrlKind::EtchedLine ? QFrame::HLine : QFrame::Box);
                f->setFrameShadow(QFrame::Sunken);
                w = f;
                break;
            }
            case CtrlKind::Icon: w = new QLabel(dialog); break;
        }
        SetDlgCtrlId(w, c.id);
        w->setGeometry(units.ToPixels(c.x, c.y, c.cx, c.cy));
        if (c.style & ST_HIDDEN) w->hide();
        if (c.style & ST_DISABLED) w->setEnabled(false);
    }
    const QSize size(units.ToPixelX(t.cx), units.ToPixelY(t.cy));
    dialog->resize(size);
    const char* caption = t.Caption(lang);
    if (caption && *caption) dialog->setWindowTitle(QString::fromUtf8(caption));
    return size;
}

QWidget* GetDlgItem(const QWidget* dialog, int id) {
    if (dialog == nullptr) return nullptr;
    // Like the system's lookup: only the dialog's own controls, not those of its pages.
    const auto children =
        dialog->findChildren<QWidget*>(QStringLiteral("ctrl%1").arg(id), Qt::FindDirectChildrenOnly);
    for (QWidget* w : children) {
        if (w->property(kIdProperty).toInt() == id) return w;
    }
    return nullptr;
}

int DlgCtrlId(const QWidget* control) {
    if (control == nullptr) return -1;
    const QVariant v = control->property(kIdProperty);
    return v.isValid() ? v.toInt() : -1;
}

QString GetDlgItemText(const QWidget* dialog, int id) {
    QWidget* w = GetDlgItem(dialog, id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->text();
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) return e->toPlainText();
    if (auto* c = qobject_cast<QComboBox*>(w)) return c->currentText();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    return QString();
}

void SetDlgItemText(QWidget* dialog, int id, const QString& text) {
    QWidget* w = GetDlgItem(dialog, id);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(text);
        e->setCursorPosition(0);
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        if (e->toPlainText() != text) e->setPlainText(text);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->setEditText(text);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(text);
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(text);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(text);
    }
}

void ShowToolTipText(QWidget* widget, const QHelpEvent* event, const QString& text) {
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), text, widget);
}

}  // namespace kest
