#include "ZeroplotResources.h"

#include "AfxIds.h"
#include "Resource.h"

#include <QPainter>
#include <QPixmap>

namespace zeroplot {

namespace {

// The icon's picture at size x size pixels.
QPixmap IconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const double centre = size / 2.0;
    const double radius = size * 0.3;
    painter.setPen(QColor(0, 0, 255));
    painter.drawLine(QPointF(centre, 1), QPointF(centre, size - 1));
    painter.drawLine(QPointF(1, centre), QPointF(size - 1, centre));
    painter.drawEllipse(QPointF(centre, centre), radius, radius);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const double marker = size / 12.0;
    for (const QPointF& zero : {QPointF(0.6, 0.45), QPointF(0.6, -0.45), QPointF(-1.2, 0.0)})
        painter.drawEllipse(QPointF(centre + zero.x() * radius, centre - zero.y() * radius), marker, marker);
    return pixmap;
}

}  // namespace

std::vector<CMenuItem> Menus()
{
    return {
        {"&File", 0, {
            {"Save &Image...", ID_FILE_SAVE_IMAGE, {}},
            {"&Copy Image\tCtrl+Shift+C", ID_EDIT_COPY_IMAGE, {}},
            {"", ID_SEPARATOR, {}},
            {"&Print...\tCtrl+P", ID_FILE_PRINT, {}},
            {"Print Pre&view", ID_FILE_PRINT_PREVIEW, {}},
            {"P&rint Setup...", ID_FILE_PRINT_SETUP, {}},
            {"", ID_SEPARATOR, {}},
            {"E&xit", ID_APP_EXIT, {}}}},
        {"&View", 0, {{"Show &All", ID_VIEW_SHOWALL, {}}, {"&Scale", ID_VIEW_SCALE, {}}}},
        {"&Help", 0, {{"&About Zeroplot...", ID_APP_ABOUT, {}}}},
    };
}

std::vector<CAccelerator> Accelerators()
{
    return {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), ID_EDIT_COPY_IMAGE},
    };
}

std::map<int, QString> Prompts()
{
    return {
        {ID_FILE_SAVE_IMAGE, "Save the picture of the zeros as a PNG or SVG image\nSave Image"},
        {ID_EDIT_COPY_IMAGE, "Copy the picture of the zeros to the clipboard\nCopy Image"},
        {ID_VIEW_SCALE, "Show radius and angle marks, and read out the zero under the mouse; a click chooses a zero\nScale"},
    };
}

QIcon AppIcon()
{
    QIcon icon;
    icon.addPixmap(IconPixmap(32));
    icon.addPixmap(IconPixmap(16));
    return icon;
}

}  // namespace zeroplot
