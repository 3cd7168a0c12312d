#include "MainFrameTables.h"

#include "AfxIds.h"
#include "Resource.h"

#include <QCoreApplication>

const std::vector<CMenuItem>& WorkbenchMenus()
{
    static const std::vector<CMenuItem> menus = {
        {"ﾌｧｲﾙ(&F)", 0, {
            {"開く(&O)...\tCtrl+O", ID_FILE_OPEN, {}},
            {"上書き保存(&S)\tCtrl+S", ID_FILE_SAVE, {}},
            {"名前を付けて保存(&A)...", ID_FILE_SAVE_AS, {}},
            {"ﾌｨﾙﾀ係数をﾃｷｽﾄ保存(&T)...", ID_FILE_SAVETEXT, {}},
            {QCoreApplication::translate("MainFrameTables", "ﾌｨﾙﾀ係数をｴｸｽﾎﾟｰﾄ(&E)..."), ID_FILE_EXPORT_COEF, {}},
            {QCoreApplication::translate("MainFrameTables", "ﾌｨﾙﾀ係数をｲﾝﾎﾟｰﾄ(&I)..."), ID_FILE_IMPORT_COEF, {}},
            {QCoreApplication::translate("MainFrameTables", "表示ﾃﾞｰﾀをCSV保存(&D)..."), ID_FILE_EXPORT_DISPLAY, {}},
            {},
            {QCoreApplication::translate("MainFrameTables", "ｸﾞﾗﾌを画像保存(&G)..."), ID_FILE_SAVE_IMAGE, {}},
            {QCoreApplication::translate("MainFrameTables", "ｸﾞﾗﾌ画像をｺﾋﾟｰ(&C)\tCtrl+Shift+C"), ID_EDIT_COPY_IMAGE, {}},
            {},
            {"印刷(&P)...\tCtrl+P", ID_FILE_PRINT, {}},
            {"印刷ﾌﾟﾚﾋﾞｭｰ(&V)", ID_FILE_PRINT_PREVIEW, {}},
            {"ﾌﾟﾘﾝﾀの設定(&R)...", ID_FILE_PRINT_SETUP, {}},
            {},
            {"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", ID_APP_EXIT, {}},
        }},
        {"表示(&V)", 0, {
            {"表示データ選択", 0, {
                {"インパルス応答", ID_VIEW_IMPULSE, {}},
                {"周波数-振幅特性", ID_VIEW_AMPLITUDE, {}},
                {"周波数-位相特性", ID_VIEW_PHASE, {}},
                {"周波数特性（実部）", ID_VIEW_REAL, {}},
                {"周波数特性（虚部）", ID_VIEW_IMAG, {}},
                {QCoreApplication::translate("MainFrameTables", "周波数-群遅延特性"), ID_VIEW_GROUPDELAY, {}},
                {QCoreApplication::translate("MainFrameTables", "ステップ応答"), ID_VIEW_STEP, {}},
            }},
            {"振幅特性dB表示", ID_VIEW_DB, {}},
            {QCoreApplication::translate("MainFrameTables", "目盛表示(&G)"), ID_VIEW_SCALE, {}},
            {QCoreApplication::translate("MainFrameTables", "サンプリング周波数の指定(&R)..."), ID_VIEW_SAMPLERATE, {}},
            {},
            {"零点表示", ID_VIEW_ZERO, {}},
            {QCoreApplication::translate("MainFrameTables", "フィルタ特性の測定(&P)..."), ID_VIEW_PROPERTIES, {}},
            {},
            {"ﾂｰﾙ ﾊﾞｰ(&T)", ID_VIEW_TOOLBAR, {}},
            {"ｽﾃｰﾀｽ ﾊﾞｰ(&S)", ID_VIEW_STATUS_BAR, {}},
        }},
        {"ﾂｰﾙ(&T)", 0, {
            {"ﾌｨﾙﾀ長の推定(&L)...", ID_TOOL_LENGTH, {}},
            {"通過帯域の指定(&F)...", ID_TOOL_PASSBAND, {}},
            {QCoreApplication::translate("CMainFrame", "等リップル設計(&E)..."), ID_TOOL_EQUIRIPPLE, {}},
            {"最小位相化(&M)", ID_TOOL_MINPHASE, {}},
        }},
        {"ﾍﾙﾌﾟ(&H)", 0, {
            {"ﾊﾞｰｼﾞｮﾝ情報(Filter) (&A)...", ID_APP_ABOUT, {}},
        }},
    };
    return menus;
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

const std::map<int, QString>& WorkbenchPrompts()
{
    static const std::map<int, QString> prompts = {
        {ID_TOOL_LENGTH, "設計条件からフィルタ長を推定します"},
        {ID_TOOL_PASSBAND, "指定された通過帯域を持つフィルタを設計します"},
        {ID_TOOL_EQUIRIPPLE, QCoreApplication::translate("CMainFrame", "通過域と阻止域の誤差が等リップルになるフィルタを設計します")},
        {ID_FILE_NEW, "新規にﾌｧｲﾙを作成\n新規ﾌｧｲﾙ"},
        {ID_FILE_OPEN, "既存のﾌｧｲﾙを開く\n開く"},
        {ID_FILE_SAVE, "作業中のﾌｧｲﾙを保存\n保存"},
        {ID_FILE_SAVE_AS, "作業中のﾌｧｲﾙに名前を付けて保存\n名前をつけて保存"},
        {ID_FILE_PRINT_SETUP, "ﾌﾟﾘﾝﾀ/印刷設定の変更\nﾌﾟﾘﾝﾀの設定"},
        {ID_FILE_PRINT, "作業中のﾌｧｲﾙを印刷\n印刷"},
        {ID_FILE_PRINT_PREVIEW, "ﾌﾙｽｸﾘｰﾝで表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
        {ID_APP_ABOUT, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
        {ID_APP_EXIT, "ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示\n終了"},
        {ID_NEXT_PANE, "次のｳｨﾝﾄﾞｳに切り替える\n次ﾍﾟｰｼﾞ"},
        {ID_PREV_PANE, "前のｳｨﾝﾄﾞｳに切り替える\n前ﾍﾟｰｼﾞ"},
        {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
        {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
        {ID_FILE_EXPORT_COEF, QCoreApplication::translate("MainFrameTables", "ﾌｨﾙﾀ係数を全精度ﾃｷｽﾄ、CSV、固定小数点やDSPﾗｲﾌﾞﾗﾘ用のﾍｯﾀﾞに保存\nｴｸｽﾎﾟｰﾄ")},
        {ID_FILE_IMPORT_COEF, QCoreApplication::translate("MainFrameTables", "ﾃｷｽﾄﾌｧｲﾙからﾌｨﾙﾀ係数を読み込む\nｲﾝﾎﾟｰﾄ")},
        {ID_FILE_EXPORT_DISPLAY, QCoreApplication::translate("MainFrameTables", "表示中のﾃﾞｰﾀをCSVﾌｧｲﾙに保存\n表示ﾃﾞｰﾀの保存")},
        {ID_FILE_SAVE_IMAGE, QCoreApplication::translate("MainFrameTables", "ｸﾞﾗﾌをPNGまたはSVGの画像ﾌｧｲﾙに保存\n画像保存")},
        {ID_EDIT_COPY_IMAGE, QCoreApplication::translate("MainFrameTables", "ｸﾞﾗﾌの画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ\n画像のｺﾋﾟｰ")},
        {ID_VIEW_GROUPDELAY, QCoreApplication::translate("MainFrameTables", "周波数ごとの群遅延をサンプル数で表示します")},
        {ID_VIEW_STEP, QCoreApplication::translate("MainFrameTables", "係数の累積和であるステップ応答を表示します")},
        {ID_VIEW_SCALE, QCoreApplication::translate("MainFrameTables", "グラフに目盛と数値を表示し、マウス位置の値を読み取ります\n目盛表示")},
        {ID_VIEW_SAMPLERATE, QCoreApplication::translate("MainFrameTables", "周波数と時間の表示に使うサンプリング周波数を指定します")},
        {ID_VIEW_PROPERTIES, QCoreApplication::translate("MainFrameTables", "フィルタのリップル、減衰量、帯域端などを測定して表示します")},
    };
    return prompts;
}

QString WorkbenchIdleText() { return "ﾚﾃﾞｨ"; }

QStringList WorkbenchIndicators() { return {"ｶﾅ", "CAP", "NUM", "SCRL"}; }
