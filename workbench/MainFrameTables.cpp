#include "MainFrameTables.h"

#include "AfxIds.h"
#include "Resource.h"

#include <QCoreApplication>

namespace {

// The tables' texts are translated in context "MainFrameTables" when the tables are made.
struct CTables {
    Q_DECLARE_TR_FUNCTIONS(MainFrameTables)
};

}  // namespace

std::vector<CMenuItem> WorkbenchMenus()
{
    return {
        {CTables::tr("ﾌｧｲﾙ(&F)"), 0, {
            {CTables::tr("開く(&O)...\tCtrl+O"), ID_FILE_OPEN, {}},
            {CTables::tr("上書き保存(&S)\tCtrl+S"), ID_FILE_SAVE, {}},
            {CTables::tr("名前を付けて保存(&A)..."), ID_FILE_SAVE_AS, {}},
            {CTables::tr("ﾌｨﾙﾀ係数をﾃｷｽﾄ保存(&T)..."), ID_FILE_SAVETEXT, {}},
            {CTables::tr("ﾌｨﾙﾀ係数をｴｸｽﾎﾟｰﾄ(&E)..."), ID_FILE_EXPORT_COEF, {}},
            {CTables::tr("ﾌｨﾙﾀ係数をｲﾝﾎﾟｰﾄ(&I)..."), ID_FILE_IMPORT_COEF, {}},
            {CTables::tr("表示ﾃﾞｰﾀをCSV保存(&D)..."), ID_FILE_EXPORT_DISPLAY, {}},
            {},
            {CTables::tr("ｸﾞﾗﾌを画像保存(&G)..."), ID_FILE_SAVE_IMAGE, {}},
            {CTables::tr("ｸﾞﾗﾌ画像をｺﾋﾟｰ(&C)\tCtrl+Shift+C"), ID_EDIT_COPY_IMAGE, {}},
            {},
            {CTables::tr("印刷(&P)...\tCtrl+P"), ID_FILE_PRINT, {}},
            {CTables::tr("印刷ﾌﾟﾚﾋﾞｭｰ(&V)"), ID_FILE_PRINT_PREVIEW, {}},
            {CTables::tr("ﾌﾟﾘﾝﾀの設定(&R)..."), ID_FILE_PRINT_SETUP, {}},
            {},
            {CTables::tr("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)"), ID_APP_EXIT, {}},
        }},
        {CTables::tr("表示(&V)"), 0, {
            {CTables::tr("表示データ選択"), 0, {
                {CTables::tr("インパルス応答"), ID_VIEW_IMPULSE, {}},
                {CTables::tr("周波数-振幅特性"), ID_VIEW_AMPLITUDE, {}},
                {CTables::tr("周波数-位相特性"), ID_VIEW_PHASE, {}},
                {CTables::tr("周波数特性（実部）"), ID_VIEW_REAL, {}},
                {CTables::tr("周波数特性（虚部）"), ID_VIEW_IMAG, {}},
                {CTables::tr("周波数-群遅延特性"), ID_VIEW_GROUPDELAY, {}},
                {CTables::tr("ステップ応答"), ID_VIEW_STEP, {}},
            }},
            {CTables::tr("振幅特性dB表示"), ID_VIEW_DB, {}},
            {CTables::tr("目盛表示(&G)"), ID_VIEW_SCALE, {}},
            {CTables::tr("サンプリング周波数の指定(&R)..."), ID_VIEW_SAMPLERATE, {}},
            {},
            {CTables::tr("零点表示"), ID_VIEW_ZERO, {}},
            {CTables::tr("フィルタ特性の測定(&P)..."), ID_VIEW_PROPERTIES, {}},
            {CTables::tr("フィルタの要件(&Q)..."), ID_VIEW_REQUIREMENTS, {}},
            {},
            {CTables::tr("ﾂｰﾙ ﾊﾞｰ(&T)"), ID_VIEW_TOOLBAR, {}},
            {CTables::tr("ｽﾃｰﾀｽ ﾊﾞｰ(&S)"), ID_VIEW_STATUS_BAR, {}},
        }},
        {CTables::tr("ﾂｰﾙ(&T)"), 0, {
            {CTables::tr("ﾌｨﾙﾀ長の推定(&L)..."), ID_TOOL_LENGTH, {}},
            {CTables::tr("通過帯域の指定(&F)..."), ID_TOOL_PASSBAND, {}},
            {CTables::tr("等リップル設計(&E)..."), ID_TOOL_EQUIRIPPLE, {}},
            {CTables::tr("最小位相化(&M)"), ID_TOOL_MINPHASE, {}},
        }},
        {CTables::tr("ﾍﾙﾌﾟ(&H)"), 0, {
            {CTables::tr("ﾊﾞｰｼﾞｮﾝ情報(Filter) (&A)..."), ID_APP_ABOUT, {}},
        }},
    };
}

const std::vector<CAccelerator>& WorkbenchAccelerators()
{
    static const std::vector<CAccelerator> accelerators = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), ID_FILE_NEW},
        {QKeySequence(Qt::CTRL | Qt::Key_O), ID_FILE_OPEN},
        {QKeySequence(Qt::CTRL | Qt::Key_S), ID_FILE_SAVE},
        {QKeySequence(Qt::CTRL | Qt::Key_P), ID_FILE_PRINT},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), ID_EDIT_UNDO},
        {QKeySequence(Qt::CTRL | Qt::Key_X), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_C), ID_EDIT_COPY},
        {QKeySequence(Qt::CTRL | Qt::Key_V), ID_EDIT_PASTE},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), ID_EDIT_UNDO},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), ID_EDIT_CUT},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), ID_EDIT_COPY},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), ID_EDIT_PASTE},
        {QKeySequence(Qt::Key_F6), ID_NEXT_PANE},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), ID_PREV_PANE},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), ID_EDIT_COPY_IMAGE},
    };
    return accelerators;
}

const std::vector<int>& WorkbenchToolBar()
{
    static const std::vector<int> buttons = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_SEPARATOR,
        ID_FILE_PRINT, ID_APP_ABOUT};
    return buttons;
}

std::map<int, QString> WorkbenchPrompts()
{
    return {
        {ID_TOOL_LENGTH, CTables::tr("設計条件からフィルタ長を推定します")},
        {ID_TOOL_PASSBAND, CTables::tr("指定された通過帯域を持つフィルタを設計します")},
        {ID_TOOL_EQUIRIPPLE, CTables::tr("通過域と阻止域の誤差が等リップルになるフィルタを設計します")},
        {ID_FILE_NEW, CTables::tr("新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ")},
        {ID_FILE_OPEN, CTables::tr("既存のﾌｧｲﾙを開く\n開く")},
        {ID_FILE_SAVE, CTables::tr("作業中のﾌｧｲﾙを保存\n保存")},
        {ID_FILE_SAVE_AS, CTables::tr("作業中のﾌｧｲﾙに名前を付けて保存\n名前をつけて保存")},
        {ID_FILE_PRINT_SETUP, CTables::tr("ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定")},
        {ID_FILE_PRINT, CTables::tr("作業中のﾌｧｲﾙを印刷\n印刷")},
        {ID_FILE_PRINT_PREVIEW, CTables::tr("ﾌﾙｽｸﾘｰﾝで表示\n印刷ﾌﾟﾚﾋﾞｭｰ")},
        {ID_APP_ABOUT, CTables::tr("ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報")},
        {ID_APP_EXIT, CTables::tr("ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了")},
        {ID_NEXT_PANE, CTables::tr("次のｳｨﾝﾄﾞｳに切り替える\n次ﾍﾟｰｼﾞ")},
        {ID_PREV_PANE, CTables::tr("前のｳｨﾝﾄﾞｳに切り替える\n前ﾍﾟｰｼﾞ")},
        {ID_VIEW_TOOLBAR, CTables::tr("ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示")},
        {ID_VIEW_STATUS_BAR, CTables::tr("ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示")},
        {ID_FILE_EXPORT_COEF, CTables::tr("ﾌｨﾙﾀ係数を全精度ﾃｷｽﾄ、CSV、固定小数点やDSPﾗｲﾌﾞﾗﾘ用のﾍｯﾀﾞに保存\nｴｸｽﾎﾟｰﾄ")},
        {ID_FILE_IMPORT_COEF, CTables::tr("ﾃｷｽﾄﾌｧｲﾙからﾌｨﾙﾀ係数を読み込む\nｲﾝﾎﾟｰﾄ")},
        {ID_FILE_EXPORT_DISPLAY, CTables::tr("表示中のﾃﾞｰﾀをCSVﾌｧｲﾙに保存\n表示ﾃﾞｰﾀの保存")},
        {ID_FILE_SAVE_IMAGE, CTables::tr("ｸﾞﾗﾌをPNGまたはSVGの画像ﾌｧｲﾙに保存\n画像保存")},
        {ID_EDIT_COPY_IMAGE, CTables::tr("ｸﾞﾗﾌの画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ\n画像のｺﾋﾟｰ")},
        {ID_VIEW_GROUPDELAY, CTables::tr("周波数ごとの群遅延をサンプル数で表示します")},
        {ID_VIEW_STEP, CTables::tr("係数の累積和であるステップ応答を表示します")},
        {ID_VIEW_SCALE, CTables::tr("グラフに目盛と数値を表示し、マウス位置の値を読み取ります\n目盛表示")},
        {ID_VIEW_SAMPLERATE, CTables::tr("周波数と時間の表示に使うサンプリング周波数を指定します")},
        {ID_VIEW_PROPERTIES, CTables::tr("フィルタのリップル、減衰量、帯域端などを測定して表示します")},
        {ID_VIEW_REQUIREMENTS, CTables::tr("フィルタが満たすべき帯域端、リップル、減衰量を表示し変更します")},
    };
}

QString WorkbenchIdleText() { return CTables::tr("ﾚﾃﾞｨ"); }

QStringList WorkbenchIndicators() { return {CTables::tr("ｶﾅ"), CTables::tr("CAP"), CTables::tr("NUM"), CTables::tr("SCRL")}; }
