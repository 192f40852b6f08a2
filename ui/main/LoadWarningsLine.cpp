#include "LoadWarningsLine.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <algorithm>

#include "Colors.h"
#include "MessageBox.h"
#include "Strings.h"
#include "Tarn_Kest.h"

namespace {

// A light yellow: a warning, and the text on it stays easy to read.
const QColor kWarningYellow{255, 236, 140};

}  // namespace

CLoadWarningsLine::CLoadWarningsLine(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kWarningYellow);
    pal.setColor(QPalette::WindowText, kest::CLR_BLACK);
    setPalette(pal);
    setIndent(4);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    hide();
}

void CLoadWarningsLine::SetWarnings(const QVector<CLoadWarning>& warnings) {
    m_warnings = warnings;
    // Rich text, so that the tool tip wraps its lines instead of running off
    // the screen.
    QString tip;
    if (!m_warnings.isEmpty()) {
        tip = QStringLiteral("<p>") + kest::LoadKestString(kest::IDS_LOAD_WARNINGS_ALL).toHtmlEscaped() +
              QStringLiteral("</p><ul>");
        for (const CLoadWarning& w : m_warnings)
            tip += QStringLiteral("<li>") + w.text.toHtmlEscaped() + QStringLiteral("</li>");
        tip += QStringLiteral("</ul>");
    }
    setToolTip(tip);
    UpdateText();
    setVisible(!m_warnings.isEmpty());
}

QString CLoadWarningsLine::ListText() const {
    if (m_warnings.isEmpty()) return QString();
    QString text = kest::LoadKestString(kest::IDS_LOAD_WARNINGS_ALL);
    for (const CLoadWarning& w : m_warnings) text += QStringLiteral("\n\n\u2022 ") + w.text;
    return text;
}

void CLoadWarningsLine::UpdateText() {
    if (m_warnings.isEmpty()) {
        setText(QString());
        return;
    }
    const QString full = kest::LoadKestString(kest::IDS_LOAD_WARNINGS_LINE)
                             .arg(m_warnings.size())
                             .arg(m_warnings.first().text);
    // One line: what does not fit ends in "…"; the tool tip has it all.
    setText(QFontMetrics(font()).elidedText(full, Qt::ElideRight, std::max(0, width() - 2 * indent() - 2)));
}

void CLoadWarningsLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    UpdateText();
}

void CLoadWarningsLine::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !m_warnings.isEmpty()) {
        kest::KestMessageBox(ListText(), KEST_MB_ICONWARNING);
        return;
    }
    QLabel::mousePressEvent(event);
}
