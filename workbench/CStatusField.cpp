#include "CStatusField.h"

#include <QResizeEvent>

CStatusField::CStatusField(QWidget* parent) : QLabel(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setHidden(true);
}

void CStatusField::SetText(const QString& text)
{
    m_strText = text;
    setToolTip(text);
    setVisible(!text.isEmpty());
    updateGeometry();
    Elide();
}

QSize CStatusField::sizeHint() const
{
    const int frame = 2 * frameWidth() + 2 * margin() + 8;
    return QSize(fontMetrics().horizontalAdvance(m_strText) + frame, QLabel::sizeHint().height());
}

QSize CStatusField::minimumSizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("0000\u2026")), QLabel::minimumSizeHint().height());
}

void CStatusField::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    Elide();
}

void CStatusField::Elide()
{
    const int width = contentsRect().width() - 2 * margin();
    setText(fontMetrics().elidedText(m_strText, Qt::ElideRight, std::max(width, 0)));
}
