#pragma once

#include <QDialog>
#include <QSize>

class QSpinBox;

// "Image Size": the width and height of a picture to save, in pixels, each
// kMinPictureSide .. kMaxPictureSide.
class CPictureDlg : public QDialog {
    Q_OBJECT
public:
    CPictureDlg(const QSize& size, QWidget* parent);

    QSize GetSize() const;
    QSpinBox* GetWidthBox() const { return m_pWidth; }
    QSpinBox* GetHeightBox() const { return m_pHeight; }

private:
    QSpinBox* AddSide(int value);

    QSpinBox* m_pWidth;
    QSpinBox* m_pHeight;
};
