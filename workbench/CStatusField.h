#pragma once

#include <QLabel>

// A field of the status bar that keeps a text in view: sunken like the indicators, hidden
// while it has no text, and as wide as its text where the bar has room; where it has not,
// the text is cut with an ellipsis and shown whole as the field's tool tip.
class CStatusField : public QLabel {
    Q_OBJECT
public:
    explicit CStatusField(QWidget* parent = nullptr);

    // Shows text (empty: hides the field).
    void SetText(const QString& text);
    const QString& GetText() const { return m_strText; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The text cut to the field's width.
    void Elide();

    QString m_strText;
};
