<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>AxisScale</name>
    <message>
        <source>samples</source>
        <translation>サンプル</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CArchive</name>
    <message>
        <source>the file ends early</source>
        <translation>ファイルが途中で終わっています</translation>
    </message>
</context>
<context>
    <name>CDataView</name>
    <message>
        <source>Show &amp;Next</source>
        <translation>Show &amp;Next</translation>
    </message>
    <message>
        <source>&amp;Write Data</source>
        <translation>&amp;Write Data</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>X-Axis</source>
        <translation>X-Axis</translation>
    </message>
    <message>
        <source>Y-Axis</source>
        <translation>Y-Axis</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>整数を入力してください。</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>「%1」に書き込めません: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>無題</translation>
    </message>
</context>
<context>
    <name>CEquirippleDlg</name>
    <message>
        <source>Pass Band Edge:</source>
        <translation>通過域端:</translation>
    </message>
    <message>
        <source>Stop Band Edge:</source>
        <translation>阻止域端:</translation>
    </message>
    <message>
        <source>Lower Stop Edge:</source>
        <translation>下側阻止域端:</translation>
    </message>
    <message>
        <source>Lower Pass Edge:</source>
        <translation>下側通過域端:</translation>
    </message>
    <message>
        <source>Upper Pass Edge:</source>
        <translation>上側通過域端:</translation>
    </message>
    <message>
        <source>Upper Stop Edge:</source>
        <translation>上側阻止域端:</translation>
    </message>
    <message>
        <source>Designing Equiripple Filter</source>
        <translation>等リップルフィルタの設計</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Type of Filter</source>
        <translation>フィルタの種類</translation>
    </message>
    <message>
        <source>Low Pass Filter</source>
        <translation>低域通過フィルタ</translation>
    </message>
    <message>
        <source>High Pass Filter</source>
        <translation>高域通過フィルタ</translation>
    </message>
    <message>
        <source>Band Pass Filter</source>
        <translation>帯域通過フィルタ</translation>
    </message>
    <message>
        <source>Band Elimination Filter</source>
        <translation>帯域阻止フィルタ</translation>
    </message>
    <message>
        <source>Band Edges</source>
        <translation>帯域端</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>As per Sampling Frequency</source>
        <translation>サンプリング周波数に対する比</translation>
    </message>
    <message>
        <source>Inband Ripple:</source>
        <translation>通過域リップル:</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Outband Attn.:</source>
        <translation>阻止域減衰量:</translation>
    </message>
    <message>
        <source>Filter Length:</source>
        <translation>フィルタ長:</translation>
    </message>
    <message>
        <source>Use Estimate</source>
        <translation>推定値を使う</translation>
    </message>
    <message>
        <source>Estimated Length: %1</source>
        <translation>推定フィルタ長: %1</translation>
    </message>
    <message>
        <source>These conditions need about %1 taps by the length estimate. A design of %2 taps will miss the ripple and attenuation by far.

Design %2 taps all the same?</source>
        <translation>この条件には、フィルタ長の推定でおよそ %1 タップが必要です。%2 タップで設計すると、リップルと減衰量を大きく外します。

それでも %2 タップで設計しますか?</translation>
    </message>
    <message>
        <source>Band Weights:</source>
        <translation>帯域の重み:</translation>
    </message>
    <message>
        <source>from ripple and attenuation</source>
        <translation>リップルと減衰量から</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>最短長</translation>
    </message>
    <message>
        <source>Lower Band Edge:</source>
        <translation>下側帯域端:</translation>
    </message>
    <message>
        <source>Upper Band Edge:</source>
        <translation>上側帯域端:</translation>
    </message>
    <message>
        <source>Multiband Filter</source>
        <translation>マルチバンドフィルタ</translation>
    </message>
    <message>
        <source>Differentiator</source>
        <translation>微分器</translation>
    </message>
    <message>
        <source>Hilbert Transformer</source>
        <translation>ヒルベルト変換器</translation>
    </message>
    <message>
        <source>Half-Band Low Pass</source>
        <translation>ハーフバンドローパス</translation>
    </message>
    <message>
        <source>Bands:</source>
        <translation>帯域:</translation>
    </message>
    <message>
        <source>F1,F2,GAIN[,WEIGHT]; ...</source>
        <translation>F1,F2,利得[,重み]; ...</translation>
    </message>
    <message>
        <source>The bands of a multiband filter or differentiator in increasing order, separated by &apos;;&apos;: each its edges, its gain (a differentiator&apos;s amplitude is f times it) and optionally the weight of its error.</source>
        <translation>マルチバンドフィルタまたは微分器の帯域を周波数の低い順に &apos;;&apos; で区切って入力します。各帯域は両端、利得 (微分器の振幅は f にこれを掛けたもの)、必要ならその誤差の重みです。</translation>
    </message>
</context>
<context>
    <name>CExportDlg</name>
    <message>
        <source>Full precision text (17 digits a line)</source>
        <translation>全精度テキスト (1 行に 17 桁)</translation>
    </message>
    <message>
        <source>CSV (index,coefficient)</source>
        <translation>CSV (index,coefficient)</translation>
    </message>
    <message>
        <source>C header, Q15 (int16_t)</source>
        <translation>C ヘッダ、Q15 (int16_t)</translation>
    </message>
    <message>
        <source>C header, Q31 (int32_t)</source>
        <translation>C ヘッダ、Q31 (int32_t)</translation>
    </message>
    <message>
        <source>Cortex-M DSP library, float32_t</source>
        <translation>Cortex-M DSP ライブラリ、float32_t</translation>
    </message>
    <message>
        <source>Cortex-M DSP library, q15_t</source>
        <translation>Cortex-M DSP ライブラリ、q15_t</translation>
    </message>
    <message>
        <source>Cortex-M DSP library, q31_t</source>
        <translation>Cortex-M DSP ライブラリ、q31_t</translation>
    </message>
    <message>
        <source>Export Coefficients</source>
        <translation>フィルタ係数のエクスポート</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>形式:</translation>
    </message>
    <message>
        <source>Block size:</source>
        <translation>ブロックサイズ:</translation>
    </message>
    <message>
        <source>What the format does to the coefficients</source>
        <translation>この形式で係数に起こること</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>These coefficients cannot be exported: %1.</source>
        <translation>この係数は書き出せません: %1。</translation>
    </message>
    <message>
        <source>NumPy array (.npy, float64)</source>
        <translation>NumPy 配列 (.npy、float64)</translation>
    </message>
    <message>
        <source>MATLAB/Octave script (.m)</source>
        <translation>MATLAB/Octave スクリプト (.m)</translation>
    </message>
    <message>
        <source>JSON with the design, requirements and measurements</source>
        <translation>JSON (設計、要件、測定値付き)</translation>
    </message>
    <message>
        <source>Xilinx coefficient file (.coe)</source>
        <translation>Xilinx 係数ファイル (.coe)</translation>
    </message>
    <message>
        <source>Intel memory initialisation file (.mif)</source>
        <translation>Intel メモリ初期化ファイル (.mif)</translation>
    </message>
    <message>
        <source>Hex words for $readmemh (.hex)</source>
        <translation>$readmemh 用の 16 進ワード (.hex)</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> ビット</translation>
    </message>
    <message>
        <source>from the file&apos;s name</source>
        <translation>ファイル名から</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Word length:</source>
        <translation>語長:</translation>
    </message>
</context>
<context>
    <name>CFilterApp</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Filter)</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報(Filter)</translation>
    </message>
    <message>
        <source>Filter: FIR filter design workbench, version %1</source>
        <translation>Filter: FIR フィルタ設計ワークベンチ バージョン %1</translation>
    </message>
    <message>
        <source>Kaiser-window and equiripple design</source>
        <translation>カイザー窓法と等リップル法による設計</translation>
    </message>
</context>
<context>
    <name>CFilterDoc</name>
    <message>
        <source>Estimated length: %1 taps, more than the %2 the pass-band design accepts</source>
        <translation>推定フィルタ長: %1 タップ (通過帯域の指定で設計できる %2 タップを超えています)</translation>
    </message>
    <message>
        <source>Estimated length: %1 taps</source>
        <translation>推定フィルタ長: %1 タップ</translation>
    </message>
    <message>
        <source>The filter was not designed: %1.</source>
        <translation>フィルタを設計できませんでした: %1。</translation>
    </message>
    <message>
        <source>There are no coefficients to export.</source>
        <translation>書き出す係数がありません。</translation>
    </message>
    <message>
        <source>The coefficients were not exported: %1.</source>
        <translation>係数を書き出せませんでした: %1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>「%1」: %2</translation>
    </message>
    <message>
        <source>The display was not exported: %1.</source>
        <translation>表示データを書き出せませんでした: %1。</translation>
    </message>
    <message>
        <source>The root finder zsolve was ended by signal %1 (%2).</source>
        <translation>根を求めるプログラム zsolve がシグナル %1 (%2) で終了しました。</translation>
    </message>
    <message>
        <source>The root finder zsolve failed (exit status %1).</source>
        <translation>根を求めるプログラム zsolve が失敗しました (終了ステータス %1)。</translation>
    </message>
    <message>
        <source>The root finder zsolve failed: %1</source>
        <translation>根を求めるプログラム zsolve が失敗しました: %1</translation>
    </message>
    <message>
        <source>The zeros were not computed: %1.</source>
        <translation>零点を計算できませんでした: %1。</translation>
    </message>
    <message>
        <source>The wait for another root finding in this folder was cancelled.</source>
        <translation>このフォルダで実行中の別の零点計算を待つのを取り消しました。</translation>
    </message>
    <message>
        <source>Zeros can be found for 1 to 65535 coefficients; this filter has %1.</source>
        <translation>零点を求められるのは係数が 1 個から 65535 個のフィルタです。このフィルタの係数は %1 個です。</translation>
    </message>
    <message>
        <source>root.bin is a folder; the zeros were not computed.</source>
        <translation>root.bin がフォルダなので、零点を計算できませんでした。</translation>
    </message>
    <message>
        <source>The old root.bin cannot be removed: %1.</source>
        <translation>古い root.bin を削除できません: %1。</translation>
    </message>
    <message>
        <source>The root finder zsolve could not be started.</source>
        <translation>根を求めるプログラム zsolve を起動できませんでした。</translation>
    </message>
    <message>
        <source>The root finder was cancelled.</source>
        <translation>根の計算を取り消しました。</translation>
    </message>
    <message>
        <source>root.bin holds %1 zeros where %2 were expected.</source>
        <translation>root.bin の零点は %1 個で、必要な %2 個と合いません。</translation>
    </message>
    <message>
        <source>The zeros were not read: %1.</source>
        <translation>零点を読み込めませんでした: %1。</translation>
    </message>
    <message>
        <source>The zero viewer was not started: %1.</source>
        <translation>零点表示プログラムを起動できませんでした: %1。</translation>
    </message>
    <message>
        <source>The zero viewer Zeroplot could not be started.</source>
        <translation>零点表示プログラム Zeroplot を起動できませんでした。</translation>
    </message>
    <message>
        <source>The minimum-phase filter could not be rebuilt from the zeros.</source>
        <translation>零点から最小位相フィルタを組み立てられませんでした。</translation>
    </message>
    <message>
        <source>The coefficients were not installed: %1.</source>
        <translation>係数を設定しませんでした: %1。</translation>
    </message>
    <message>
        <source>Designing and measuring %1 taps...</source>
        <translation>%1 タップのフィルタを設計して測定しています...</translation>
    </message>
    <message>
        <source>No length up to %1 gives a design that meets the requirements.</source>
        <translation>%1 タップまでのどの長さでも要件を満たす設計が得られません。</translation>
    </message>
    <message>
        <source>No length up to %1 meets the requirements: at %2 taps the filter still misses them (%3).</source>
        <translation>%1 タップまでのどの長さでも要件を満たせません。%2 タップでもまだ満たしていません (%3)。</translation>
    </message>
    <message>
        <source>A window design deviates in its pass band about as far as in its stop band: for a ripple of %1 dB raise the attenuation to at least %2 dB.</source>
        <translation>窓関数による設計では通過域の偏差が阻止域とほぼ同じになります。リップル %1 dB には減衰量を %2 dB 以上にしてください。</translation>
    </message>
    <message>
        <source>The search needs the transition width to reach: enter a length whose Kaiser transition width to aim at, estimate the length first, or state the requirements (View menu).</source>
        <translation>探索には目標とする遷移帯域幅が必要です。その Kaiser 遷移帯域幅を目標とするフィルタ長を入力するか、先にフィルタ長を推定するか、要件を指定してください (表示メニュー)。</translation>
    </message>
    <message>
        <source>Shortest filter</source>
        <translation>最短のフィルタ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2</source>
        <translation>「%1」は壊れています: %2</translation>
    </message>
    <message>
        <source>the requirements were derived from the document&apos;s type, cut-offs and attenuation</source>
        <translation>要件はドキュメントの種類、遮断周波数、減衰量から求めました</translation>
    </message>
    <message>
        <source>the document&apos;s type, cut-offs and attenuation give none: state them in the View menu</source>
        <translation>ドキュメントの種類、遮断周波数、減衰量からは要件が求まりません。表示メニューで指定してください</translation>
    </message>
    <message>
        <source>No requirements beside the document; %1.</source>
        <translation>ドキュメントの横に要件のファイルがありません。%1。</translation>
    </message>
    <message>
        <source>The requirements beside the document were not taken (%1); %2.</source>
        <translation>ドキュメントの横の要件を読み込みませんでした (%1)。%2。</translation>
    </message>
    <message>
        <source>The document was saved, but not its requirements: %1.</source>
        <translation>ドキュメントは保存しましたが、要件は保存できませんでした: %1。</translation>
    </message>
</context>
<context>
    <name>CFilterPropertiesDlg</name>
    <message>
        <source>Filter Properties</source>
        <translation>フィルタ特性</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a figure&apos;s name as a label</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>The filter misses its requirements here.</source>
        <translation>フィルタはここで要件を満たしていません。</translation>
    </message>
</context>
<context>
    <name>CFilterView</name>
    <message>
        <source>[%1]  %2 = %3  %4</source>
        <translation>[%1]  %2 = %3  %4</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>未定義</translation>
    </message>
</context>
<context>
    <name>CHeaderExport</name>
    <message>
        <source>a coefficient is too large for float32_t</source>
        <translation>float32_t で表せないほど大きな係数があります</translation>
    </message>
    <message>
        <source>the DSP library&apos;s FIR functions take at most 65535 taps</source>
        <translation>DSP ライブラリの FIR 関数が扱えるのは 65535 タップまでです</translation>
    </message>
    <message>
        <source>Values rounded to the nearest float32_t; largest coefficient error: %1.</source>
        <translation>最も近い float32_t の値に丸めます。係数の最大誤差: %1。</translation>
    </message>
</context>
<context>
    <name>CLengthEstimateDlg</name>
    <message>
        <source>Estimating Filter Length</source>
        <translation>Estimating Filter Length</translation>
    </message>
    <message>
        <source>Inband Ripple:</source>
        <translation>Inband Ripple:</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Outband Attn.:</source>
        <translation>Outband Attn.:</translation>
    </message>
    <message>
        <source>Transient
   Band Width:</source>
        <translation>Transient
   Band Width:</translation>
    </message>
    <message>
        <source>(as per sampling frequency)</source>
        <translation>(as per sampling frequency)</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Filter graph</source>
        <translation>フィルタのグラフ</translation>
    </message>
    <message>
        <source>The image was not saved: %1.</source>
        <translation>画像を保存できませんでした: %1。</translation>
    </message>
    <message>
        <source>Graph copied</source>
        <translation>ｸﾞﾗﾌの画像をｺﾋﾟｰしました</translation>
    </message>
</context>
<context>
    <name>CPassBandDlg</name>
    <message>
        <source>Designating Pass Band</source>
        <translation>Designating Pass Band</translation>
    </message>
    <message>
        <source>Type of Filter</source>
        <translation>Type of Filter</translation>
    </message>
    <message>
        <source>Low Pass Filter</source>
        <translation>Low Pass Filter</translation>
    </message>
    <message>
        <source>High Pass Filter</source>
        <translation>High Pass Filter</translation>
    </message>
    <message>
        <source>Band Pass Filter</source>
        <translation>Band Pass Filter</translation>
    </message>
    <message>
        <source>Band Elimination Filter</source>
        <translation>Band Elimination Filter</translation>
    </message>
    <message>
        <source>Cut Off Frequency</source>
        <translation>Cut Off Frequency</translation>
    </message>
    <message>
        <source>Low:</source>
        <translation>Low:</translation>
    </message>
    <message>
        <source>High:</source>
        <translation>High:</translation>
    </message>
    <message>
        <source>As per Sampling Frequency</source>
        <translation>As per Sampling Frequency</translation>
    </message>
    <message>
        <source>Filter Length:</source>
        <translation>Filter Length:</translation>
    </message>
    <message>
        <source>Outband Attn:</source>
        <translation>Outband Attn:</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Shortest</translation>
    </message>
</context>
<context>
    <name>CPictureDlg</name>
    <message>
        <source>Image Size</source>
        <translation>画像のサイズ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> ピクセル</translation>
    </message>
</context>
<context>
    <name>CRequirementsDlg</name>
    <message>
        <source>Pass Band Edge:</source>
        <translation>通過域端:</translation>
    </message>
    <message>
        <source>Stop Band Edge:</source>
        <translation>阻止域端:</translation>
    </message>
    <message>
        <source>Lower Stop Edge:</source>
        <translation>下側阻止域端:</translation>
    </message>
    <message>
        <source>Lower Pass Edge:</source>
        <translation>下側通過域端:</translation>
    </message>
    <message>
        <source>Upper Pass Edge:</source>
        <translation>上側通過域端:</translation>
    </message>
    <message>
        <source>Upper Stop Edge:</source>
        <translation>上側阻止域端:</translation>
    </message>
    <message>
        <source>Filter Requirements</source>
        <translation>フィルタの要件</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Type of Filter</source>
        <translation>フィルタの種類</translation>
    </message>
    <message>
        <source>Low Pass Filter</source>
        <translation>低域通過フィルタ</translation>
    </message>
    <message>
        <source>High Pass Filter</source>
        <translation>高域通過フィルタ</translation>
    </message>
    <message>
        <source>Band Pass Filter</source>
        <translation>帯域通過フィルタ</translation>
    </message>
    <message>
        <source>Band Elimination Filter</source>
        <translation>帯域阻止フィルタ</translation>
    </message>
    <message>
        <source>Band Edges</source>
        <translation>帯域端</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>As per Sampling Frequency</source>
        <translation>サンプリング周波数に対する比</translation>
    </message>
    <message>
        <source>Pass-Band Ripple:</source>
        <translation>通過域リップル:</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Stop-Band Attenuation:</source>
        <translation>阻止域減衰量:</translation>
    </message>
</context>
<context>
    <name>CSampleRateDlg</name>
    <message>
        <source>Sampling Frequency</source>
        <translation>サンプリング周波数</translation>
    </message>
    <message>
        <source>Sampling Frequency:</source>
        <translation>サンプリング周波数:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Leave empty for none: frequencies as fractions of the sampling frequency.</source>
        <translation>空欄にすると指定なしになり、周波数をサンプリング周波数に対する比で表示します。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2, or leave the field empty for none.</source>
        <translation>%1 から %2 までの数値を入力してください。なしにするには空欄にします。</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>%1.</source>
        <comment>a reason told as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>「%1」への変更を保存しますか?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>CWordBitsDlg</name>
    <message>
        <source>Word Length</source>
        <translation>語長</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> ビット</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not say how long its words are.
Read them as two&apos;s-complement words of:</source>
        <translation>「%1」にはワードの長さが書かれていません。
2 の補数のワードとして読む長さ:</translation>
    </message>
    <message>
        <source>Word length:</source>
        <translation>語長:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
</context>
<context>
    <name>CWorkbenchUi</name>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Import Coefficients</source>
        <translation>フィルタ係数のインポート</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 coefficients.
Install them as the filter&apos;s coefficients?</source>
        <translation>「%1」には %2 個の係数があります。
これをフィルタの係数にしますか?</translation>
    </message>
    <message>
        <source>Finding the zeros of the filter...</source>
        <translation>フィルタの零点を計算しています...</translation>
    </message>
    <message>
        <source>%1 of %2 zeros found, %3 certified</source>
        <translation>%2 個の零点のうち %1 個を計算、%3 個を検証済み</translation>
    </message>
    <message>
        <source>Waiting for another root finding in this folder...</source>
        <translation>このフォルダで実行中の別の零点計算を待っています...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ｷｬﾝｾﾙ</translation>
    </message>
    <message>
        <source>Coefficient files (*.txt *.csv *.h *.c *.npy *.json *.coe *.mif *.hex);;All files (*)</source>
        <translation>係数ファイル (*.txt *.csv *.h *.c *.npy *.json *.coe *.mif *.hex);;すべてのファイル (*)</translation>
    </message>
</context>
<context>
    <name>CoefficientExport</name>
    <message>
        <source>there are no coefficients to export</source>
        <translation>書き出す係数がありません</translation>
    </message>
    <message>
        <source>more than %1 coefficients cannot be exported</source>
        <translation>%1 個を超える係数は書き出せません</translation>
    </message>
    <message>
        <source>coefficient %1 is not finite</source>
        <translation>係数 %1 が有限の値ではありません</translation>
    </message>
    <message>
        <source>Values with 17 significant digits, which read back bit for bit.</source>
        <translation>有効数字 17 桁の値です。読み戻すとビット単位で同じ値になります。</translation>
    </message>
    <message>
        <source>the block size must be 1 .. %1</source>
        <translation>ブロックサイズは 1 から %1 まででなければなりません</translation>
    </message>
    <message>
        <source>the word length must be %1 .. %2 bits</source>
        <translation>語長は %1 .. %2 ビットでなければなりません</translation>
    </message>
    <message>
        <source>Values as float64, which read back bit for bit.</source>
        <translation>値は float64 で、読み戻すとビット単位で一致します。</translation>
    </message>
    <message>
        <source>Values at full precision, which read back bit for bit, with the design, the requirements and the measurements.</source>
        <translation>値は全精度で、読み戻すとビット単位で一致します。設計、要件、測定値も書き出します。</translation>
    </message>
</context>
<context>
    <name>CoefficientJson</name>
    <message>
        <source>not a JSON file of coefficients: %1</source>
        <translation>係数の JSON ファイルではありません: %1</translation>
    </message>
    <message>
        <source>its &quot;format&quot; is not &quot;filter-coefficients&quot;</source>
        <translation>&quot;format&quot; が &quot;filter-coefficients&quot; ではありません</translation>
    </message>
    <message>
        <source>a version this program does not know</source>
        <translation>このプログラムの知らないバージョンです</translation>
    </message>
    <message>
        <source>the field &quot;coefficients&quot; is missing or not a list</source>
        <translation>&quot;coefficients&quot; がないか、リストではありません</translation>
    </message>
    <message>
        <source>its &quot;length&quot; is not the number of coefficients</source>
        <translation>&quot;length&quot; が係数の個数と合いません</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>%1 バイト目: %2</translation>
    </message>
    <message>
        <source>it holds %1 coefficients, not 1 to %2</source>
        <translation>係数が %1 個あります (1 から %2 個でなければなりません)</translation>
    </message>
    <message>
        <source>coefficient %1 is not a finite number</source>
        <translation>係数 %1 が有限の数値ではありません</translation>
    </message>
</context>
<context>
    <name>CoefficientParser</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>%1 行 %2 列: %3</translation>
    </message>
    <message>
        <source>%1 where &quot;]&quot; was expected</source>
        <translation>&quot;]&quot; のあるべき所に %1 があります</translation>
    </message>
    <message>
        <source>%1 where &quot;=&quot; was expected</source>
        <translation>&quot;=&quot; のあるべき所に %1 があります</translation>
    </message>
    <message>
        <source>%1 where &quot;{&quot; was expected</source>
        <translation>&quot;{&quot; のあるべき所に %1 があります</translation>
    </message>
    <message>
        <source>%1 after the end of the array</source>
        <translation>配列の終わりの後に %1 があります</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 は数値ではありません</translation>
    </message>
    <message>
        <source>the comment &quot;/*&quot; is not closed</source>
        <translation>コメント &quot;/*&quot; が閉じられていません</translation>
    </message>
    <message>
        <source>the time reversal %1 is neither 0 nor 1</source>
        <translation>時間反転の指定 %1 が 0 でも 1 でもありません</translation>
    </message>
    <message>
        <source>the scale shift %1 is not a whole number from 0 to %2</source>
        <translation>スケールシフト %1 が 0 から %2 までの整数ではありません</translation>
    </message>
    <message>
        <source>%1 is out of the range of a double</source>
        <translation>%1 は double の範囲外です</translation>
    </message>
    <message>
        <source>the line holds more values than the header&apos;s %1 columns</source>
        <translation>行の値が見出しの %1 列より多くあります</translation>
    </message>
    <message>
        <source>the first line holds more than %1 names</source>
        <translation>1 行目の名前が %1 個を超えています</translation>
    </message>
    <message>
        <source>more than %1 values</source>
        <translation>値が %1 個を超えています</translation>
    </message>
    <message>
        <source>the line holds %1 of the header&apos;s %2 columns</source>
        <translation>行の値が見出しの %2 列のうち %1 列しかありません</translation>
    </message>
    <message>
        <source>the array is not closed by &quot;}&quot;</source>
        <translation>配列が &quot;}&quot; で閉じられていません</translation>
    </message>
    <message>
        <source>the array declaration is not complete</source>
        <translation>配列の宣言が完結していません</translation>
    </message>
    <message>
        <source>the text holds no number</source>
        <translation>テキストに数値がありません</translation>
    </message>
    <message>
        <source>the scale shift</source>
        <translation>スケールシフト</translation>
    </message>
    <message>
        <source>the time reversal</source>
        <translation>時間反転</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>%1 defines %2 a second time (first on line %3)</source>
        <translation>%1 が%2を再び定義しています (最初の定義は %3 行)</translation>
    </message>
    <message>
        <source>the length %1 is not a whole number</source>
        <translation>長さ %1 が整数ではありません</translation>
    </message>
    <message>
        <source>%1 is not a whole number, as an element of %2 must be</source>
        <translation>%1 が整数ではありません。%2 の要素は整数でなければなりません</translation>
    </message>
    <message>
        <source>%1 is outside the range of %2, %3 to %4</source>
        <translation>%1 が %2 の範囲 %3 から %4 の外にあります</translation>
    </message>
    <message>
        <source>%1 gives %2 values, but the text holds %3</source>
        <translation>%1 は値の数を %2 としていますが、テキストには %3 個あります</translation>
    </message>
    <message>
        <source>the array is declared with %1 elements, but holds %2</source>
        <translation>配列は要素数 %1 で宣言されていますが、値は %2 個あります</translation>
    </message>
    <message>
        <source>%1 is beyond ±%2, the largest magnitude a coefficient may have</source>
        <translation>%1 が係数の大きさの上限 ±%2 を超えています</translation>
    </message>
    <message>
        <source>%1 times 2^%2 is beyond ±%3, the largest magnitude a coefficient may have</source>
        <translation>%1 × 2^%2 が係数の大きさの上限 ±%3 を超えています</translation>
    </message>
    <message>
        <source>the padding</source>
        <translation>詰め物のタップ数</translation>
    </message>
    <message>
        <source>the padding %1 is not a whole number from 0 to %2</source>
        <translation>詰め物のタップ数 %1 が 0 から %2 までの整数ではありません</translation>
    </message>
    <message>
        <source>%1 zero taps cannot follow these %2 values</source>
        <translation>この %2 個の値の後に %1 個の 0 のタップは続けられません</translation>
    </message>
    <message>
        <source>%1 is ambiguous where every other line holds one number: a decimal comma, or two values? Write a decimal point, or a blank after the comma</source>
        <translation>ほかの行がみな数値 1 つの中で %1 は曖昧です: 小数点のコンマか、2 つの値か? 小数点はピリオドで書くか、コンマの後に空白を入れてください</translation>
    </message>
    <message>
        <source>binary content at line %1, column %2</source>
        <translation>%1 行 %2 列にバイナリデータがあります</translation>
    </message>
</context>
<context>
    <name>CoefficientText</name>
    <message>
        <source>coefficient %1 is beyond ±%2, the largest magnitude a coefficient may have</source>
        <translation>係数 %1 が係数の大きさの上限 ±%2 を超えています</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 から %2 までの整数を入力してください。</translation>
    </message>
    <message>
        <source>Please enter a number greater than %1 and at most %2.</source>
        <translation>%1 より大きく %2 以下の数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>DialogData</name>
    <message>
        <source>Please enter a number greater than %1 and at most 0.5.</source>
        <translation>%1 より大きく 0.5 以下の数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter 0 for none or a number between %1 and %2.</source>
        <translation>指定しない場合は 0 を、それ以外は %1 から %2 までの数値を入力してください。</translation>
    </message>
    <message>
        <source>The pass band holds none of the %1 frequency points the design samples; widen it or lengthen the filter.</source>
        <translation>通過域に設計で使う %1 個の周波数点が一つも入りません。通過域を広げるかフィルタを長くしてください。</translation>
    </message>
</context>
<context>
    <name>DisplayData</name>
    <message>
        <source>samples</source>
        <translation>サンプル</translation>
    </message>
</context>
<context>
    <name>EquirippleDesign</name>
    <message>
        <source>The equiripple design of length %1 does not converge, nor does any shorter one; allow wider transition bands, more ripple or less attenuation.</source>
        <translation>長さ %1 の等リップル設計は収束せず、それより短い設計も収束しません。遷移帯域幅を広げるか、リップルを大きくするか、減衰量を小さくしてください。</translation>
    </message>
    <message>
        <source>The equiripple design of length %1 does not converge (its largest error still lies %2% above the levelled one), nor does any shorter one. Try a length near the estimate of %3, wider transition bands, or a ripple and an attenuation closer to each other.</source>
        <translation>長さ %1 の等リップル設計は収束せず (最大誤差がまだ均等化した誤差より %2% 大きくなっています)、それより短い設計も収束しません。推定値 %3 に近い長さ、広い遷移帯域幅、または互いに近いリップルと減衰量を試してください。</translation>
    </message>
</context>
<context>
    <name>EquirippleDialogData</name>
    <message>
        <source>Please enter a number greater than %1 and less than %2.</source>
        <translation>%1 より大きく %2 より小さい数値を入力してください。</translation>
    </message>
    <message>
        <source>Please enter %1 weights, one for each band, from 1e-06 to 1e+06 and separated by commas, or nothing for the weights of ripple and attenuation.</source>
        <translation>帯域ごとに 1 つ、1e-06 から 1e+06 までの重みを %1 個、カンマで区切って入力してください。リップルと減衰量から重みを決めるときは空欄にしてください。</translation>
    </message>
    <message>
        <source>Please enter a number greater than %1 and at most %2.</source>
        <translation>%1 より大きく %2 以下の数値を入力してください。</translation>
    </message>
    <message>
        <source>This filter type takes no band weights; leave the field empty (a multiband filter&apos;s or differentiator&apos;s weight follows each band&apos;s gain).</source>
        <translation>このフィルタの種類は帯域の重みを取りません。空欄にしてください (マルチバンドフィルタと微分器の重みは各帯域の利得の後に書きます)。</translation>
    </message>
    <message>
        <source>Please enter 1 to %1 bands separated by &apos;;&apos;, each as F1,F2,GAIN or F1,F2,GAIN,WEIGHT: edges from 0 to %2 with F1 below F2, each band starting above the end of the one before, a gain of size at most 1e+06 and a weight from 1e-06 to 1e+06.</source>
        <translation>1 から %1 個の帯域を &apos;;&apos; で区切り、それぞれ F1,F2,利得 または F1,F2,利得,重み の形で入力してください。帯域端は 0 から %2 までで F1 は F2 より小さく、各帯域は前の帯域の終わりより上で始まり、利得の大きさは 1e+06 以下、重みは 1e-06 から 1e+06 までです。</translation>
    </message>
</context>
<context>
    <name>EquirippleRequest</name>
    <message>
        <source>band edges must increase strictly between 0 and 0.5</source>
        <translation>帯域端は 0 と 0.5 の間で順に大きくならなければなりません</translation>
    </message>
    <message>
        <source>No finite filter length meets these conditions.</source>
        <translation>この条件を満たす有限のフィルタ長はありません。</translation>
    </message>
    <message>
        <source>The estimated filter length, about %1, exceeds %2; allow a wider transition band, more ripple or less attenuation.</source>
        <translation>推定フィルタ長は約 %1 で、%2 を超えます。遷移帯域幅を広げるか、リップルを大きくするか、減衰量を小さくしてください。</translation>
    </message>
    <message>
        <source>filter length must be 1 to %1</source>
        <translation>フィルタ長は 1 から %1 まででなければなりません</translation>
    </message>
    <message>
        <source>ripple must be a positive number of dB</source>
        <translation>リップルは正の dB 値でなければなりません</translation>
    </message>
    <message>
        <source>attenuation must be a positive number of dB</source>
        <translation>減衰量は正の dB 値でなければなりません</translation>
    </message>
    <message>
        <source>An even length cannot give a high pass filter: its response is zero at half the sampling frequency. Use an odd length, such as %1.</source>
        <translation>偶数の長さでは高域通過フィルタになりません。サンプリング周波数の 1/2 で応答が 0 になるためです。%1 などの奇数の長さにしてください。</translation>
    </message>
    <message>
        <source>An even length cannot give a band elimination filter: its response is zero at half the sampling frequency. Use an odd length, such as %1.</source>
        <translation>偶数の長さでは帯域阻止フィルタになりません。サンプリング周波数の 1/2 で応答が 0 になるためです。%1 などの奇数の長さにしてください。</translation>
    </message>
    <message>
        <source>A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use %1 or %2.</source>
        <translation>ハーフバンドフィルタの係数は 3, 7, 11, ... (4k - 1) 個です。%1 または %2 にしてください。</translation>
    </message>
    <message>
        <source>A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use 3.</source>
        <translation>ハーフバンドフィルタの係数は 3, 7, 11, ... (4k - 1) 個です。3 にしてください。</translation>
    </message>
    <message>
        <source>An antisymmetric filter of one coefficient is zero everywhere. Use a length of at least 2.</source>
        <translation>係数 1 個の反対称フィルタはどこでも 0 です。フィルタ長を 2 以上にしてください。</translation>
    </message>
    <message>
        <source>An even length gives a response that is zero at half the sampling frequency, where a band of gain other than 0 reaches. Use an odd length, such as %1.</source>
        <translation>偶数のフィルタ長では応答がサンプリング周波数の半分で 0 になりますが、利得が 0 でない帯域がそこまで届いています。%1 などの奇数のフィルタ長にしてください。</translation>
    </message>
    <message>
        <source>An odd length gives an antisymmetric filter that is zero at half the sampling frequency, where its band reaches. Use an even length, such as %1.</source>
        <translation>奇数のフィルタ長の反対称フィルタはサンプリング周波数の半分で 0 になりますが、帯域がそこまで届いています。%1 などの偶数のフィルタ長にしてください。</translation>
    </message>
    <message>
        <source>There is no length estimate for this filter type; choose a length and look at the filter&apos;s properties.</source>
        <translation>このフィルタの種類にはフィルタ長の見積もりがありません。フィルタ長を選び、フィルタのプロパティを確認してください。</translation>
    </message>
    <message>
        <source>a band&apos;s gain must be a number of size at most 1e6</source>
        <translation>帯域の利得は大きさ 1e6 以下の数値でなければなりません</translation>
    </message>
    <message>
        <source>a design takes 1 to %1 bands</source>
        <translation>設計に使える帯域は 1 から %1 個までです</translation>
    </message>
    <message>
        <source>a weight must be a positive number</source>
        <translation>重みは正の数値でなければなりません</translation>
    </message>
    <message>
        <source>bands must lie within 0 .. 0.5, each ending above its start and before the next begins</source>
        <translation>帯域は 0 .. 0.5 の範囲にあり、それぞれ始まりより上で終わり、次の帯域が始まる前に終わらなければなりません</translation>
    </message>
    <message>
        <source>filter type must be 0 to 7</source>
        <translation>フィルタの種類は 0 から 7 まででなければなりません</translation>
    </message>
    <message>
        <source>only multiband filters and differentiators take bands</source>
        <translation>帯域を指定できるのはマルチバンドフィルタと微分器だけです</translation>
    </message>
    <message>
        <source>the pass edge of a half-band filter must lie between 0 and 0.25</source>
        <translation>ハーフバンドフィルタの通過域端は 0 と 0.25 の間になければなりません</translation>
    </message>
    <message>
        <source>this filter type needs %1 band edge(s)</source>
        <translation>このフィルタの種類には帯域端が %1 個必要です</translation>
    </message>
    <message>
        <source>weights: this filter type takes %1, one per band</source>
        <translation>重み: このフィルタの種類では帯域ごとに 1 つ、%1 個です</translation>
    </message>
</context>
<context>
    <name>ExchangeFailure</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>ExportName</name>
    <message>
        <source>the name must begin with a letter</source>
        <translation>名前は英字で始まらなければなりません</translation>
    </message>
    <message>
        <source>the name may hold only letters, digits and underscores</source>
        <translation>名前に使えるのは英字、数字、下線だけです</translation>
    </message>
    <message>
        <source>the name may be at most %1 characters long</source>
        <translation>名前は %1 文字までです</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a keyword of C or MATLAB</source>
        <translation>&quot;%1&quot; は C または MATLAB のキーワードです</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>not enough memory</source>
        <translation>メモリが足りません</translation>
    </message>
    <message>
        <source>an unexpected failure</source>
        <translation>予期しない失敗が起きました</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>シンボリックリンクです</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>「%1」に書き込めません: %2</translation>
    </message>
    <message>
        <source>cannot create &quot;%1&quot;: %2</source>
        <translation>「%1」を作成できません: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダです</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>ファイル名がありません</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>%1 を超える大きさです</translation>
    </message>
</context>
<context>
    <name>FilterDesign</name>
    <message>
        <source>filter type must be 0 to 3</source>
        <translation>フィルタの種類は 0 から 3 まででなければなりません</translation>
    </message>
    <message>
        <source>filter length must be 1 to %1</source>
        <translation>フィルタ長は 1 から %1 まででなければなりません</translation>
    </message>
    <message>
        <source>low cut-off must be 0 to 0.5</source>
        <translation>下側遮断周波数は 0 から 0.5 まででなければなりません</translation>
    </message>
    <message>
        <source>high cut-off must be finite</source>
        <translation>上側遮断周波数は有限の値でなければなりません</translation>
    </message>
    <message>
        <source>high cut-off must lie between the low cut-off and 0.5</source>
        <translation>上側遮断周波数は下側遮断周波数から 0.5 まででなければなりません</translation>
    </message>
    <message>
        <source>attenuation must be 0 to %1 dB</source>
        <translation>減衰量は 0 から %1 dB まででなければなりません</translation>
    </message>
    <message>
        <source>No finite filter length meets these conditions: an in-band ripple of 0 dB cannot be reached.</source>
        <translation>この条件を満たす有限のフィルタ長はありません。通過域リップル 0 dB は実現できません。</translation>
    </message>
    <message>
        <source>No finite filter length meets these conditions.</source>
        <translation>この条件を満たす有限のフィルタ長はありません。</translation>
    </message>
    <message>
        <source>The estimated filter length, about %1, exceeds %2; allow a wider transition band, more ripple or less attenuation.</source>
        <translation>推定フィルタ長は約 %1 で、%2 を超えます。遷移帯域幅を広げるか、リップルを大きくするか、減衰量を小さくしてください。</translation>
    </message>
    <message>
        <source>the pass band holds none of the frequency points of the design</source>
        <translation>通過域に設計の周波数点が一つも入りません</translation>
    </message>
</context>
<context>
    <name>FilterDocFile</name>
    <message>
        <source>an array has a negative element count</source>
        <translation>配列の要素数が負です</translation>
    </message>
    <message>
        <source>an element count is larger than the rest of the file</source>
        <translation>要素数がファイルの残りに収まりません</translation>
    </message>
    <message>
        <source>element %1 of %2</source>
        <translation>%2の要素 %1</translation>
    </message>
    <message>
        <source>the low cut-off</source>
        <translation>下側遮断周波数</translation>
    </message>
    <message>
        <source>the high cut-off</source>
        <translation>上側遮断周波数</translation>
    </message>
    <message>
        <source>the attenuation</source>
        <translation>減衰量</translation>
    </message>
    <message>
        <source>the ideal response</source>
        <translation>理想応答</translation>
    </message>
    <message>
        <source>the coefficients</source>
        <translation>係数</translation>
    </message>
    <message>
        <source>the response</source>
        <translation>周波数応答</translation>
    </message>
    <message>
        <source>%1 is not finite; a document holds finite values only</source>
        <translation>%1が有限の値ではありません (ドキュメントには有限の値だけを保存します)</translation>
    </message>
    <message>
        <source>not a filter document</source>
        <translation>フィルタのドキュメントではありません</translation>
    </message>
    <message>
        <source>the file is damaged: %1 is not finite</source>
        <translation>ファイルが壊れています: %1が有限の値ではありません</translation>
    </message>
    <message>
        <source>the file announces %1 elements of %2; the workbench takes at most %3</source>
        <translation>ファイルは%2の要素数を %1 としていますが、扱えるのは %3 までです</translation>
    </message>
</context>
<context>
    <name>FixedPoint</name>
    <message>
        <source>Scaling: none; every coefficient lies within -1 .. 1.</source>
        <translation>スケーリング: なし (すべての係数が -1 から 1 の範囲にあります)。</translation>
    </message>
    <message>
        <source>Scaling: the coefficients are divided by %1 to fit; multiply the filter&apos;s output by %1.</source>
        <translation>スケーリング: 範囲に収めるため係数を %1 で割ります。フィルタの出力に %1 を掛けてください。</translation>
    </message>
    <message>
        <source>Scaling: the coefficients are divided by %1 = %2 to fit; multiply the filter&apos;s output by %2.</source>
        <translation>スケーリング: 範囲に収めるため係数を %1 = %2 で割ります。フィルタの出力に %2 を掛けてください。</translation>
    </message>
    <message>
        <source>Peak amplitude response error: %1 (%2 dB against the peak gain), over %3 frequencies from 0 to half the sampling frequency.</source>
        <translation>振幅特性の最大誤差: %1 (最大利得に対して %2 dB)。0 からサンプリング周波数の 1/2 までの %3 個の周波数で求めました。</translation>
    </message>
    <message>
        <source>Peak amplitude response error: %1, over %2 frequencies from 0 to half the sampling frequency.</source>
        <translation>振幅特性の最大誤差: %1。0 からサンプリング周波数の 1/2 までの %2 個の周波数で求めました。</translation>
    </message>
    <message>
        <source>Format: %1, %2-bit integers standing for integer / 2^%3.</source>
        <translation>形式: %1。%2 ビットの整数で、値は 整数 / 2^%3 です。</translation>
    </message>
    <message>
        <source>Rounded to nearest; %1 of %2 values saturated at the format&apos;s limits.</source>
        <translation>最も近い値に丸めます。%2 個のうち %1 個の値が形式の上限または下限で飽和しました。</translation>
    </message>
    <message>
        <source>Largest coefficient error: %1.</source>
        <translation>係数の最大誤差: %1。</translation>
    </message>
    <message>
        <source>Stop-band attenuation: %1 dB (double), %2 dB (%3).</source>
        <translation>阻止域減衰量: %1 dB (double)、%2 dB (%3)。</translation>
    </message>
    <message>
        <source>Requirements: %1: %2 (double: %3).</source>
        <translation>要件: %1: %2 (double: %3)。</translation>
    </message>
    <message>
        <source>coefficients as large as %1 cannot be scaled into Q%2: the scaling or the response they need leaves the range of a double</source>
        <translation>%1 ほど大きな係数は Q%2 に収められません: 必要なスケーリングまたは応答が倍精度の範囲を超えます</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>cannot write the standard output: %1</source>
        <translation>標準出力に書き込めません: %1</translation>
    </message>
</context>
<context>
    <name>MainFrameTables</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>ﾌｧｲﾙ(&amp;F)</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>開く(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)	Ctrl+S</source>
        <translation>上書き保存(&amp;S)	Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数をﾃｷｽﾄ保存(&amp;T)...</source>
        <translation>ﾌｨﾙﾀ係数をﾃｷｽﾄ保存(&amp;T)...</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数をｴｸｽﾎﾟｰﾄ(&amp;E)...</source>
        <translation>ﾌｨﾙﾀ係数をｴｸｽﾎﾟｰﾄ(&amp;E)...</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数をｲﾝﾎﾟｰﾄ(&amp;I)...</source>
        <translation>ﾌｨﾙﾀ係数をｲﾝﾎﾟｰﾄ(&amp;I)...</translation>
    </message>
    <message>
        <source>表示ﾃﾞｰﾀをCSV保存(&amp;D)...</source>
        <translation>表示ﾃﾞｰﾀをCSV保存(&amp;D)...</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌを画像保存(&amp;G)...</source>
        <translation>ｸﾞﾗﾌを画像保存(&amp;G)...</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌ画像をｺﾋﾟｰ(&amp;C)	Ctrl+Shift+C</source>
        <translation>ｸﾞﾗﾌ画像をｺﾋﾟｰ(&amp;C)	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...	Ctrl+P</source>
        <translation>印刷(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</source>
        <translation>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>ﾌﾟﾘﾝﾀの設定(&amp;R)...</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>表示データ選択</source>
        <translation>表示データ選択</translation>
    </message>
    <message>
        <source>インパルス応答</source>
        <translation>インパルス応答</translation>
    </message>
    <message>
        <source>周波数-振幅特性</source>
        <translation>周波数-振幅特性</translation>
    </message>
    <message>
        <source>周波数-位相特性</source>
        <translation>周波数-位相特性</translation>
    </message>
    <message>
        <source>周波数特性（実部）</source>
        <translation>周波数特性（実部）</translation>
    </message>
    <message>
        <source>周波数特性（虚部）</source>
        <translation>周波数特性（虚部）</translation>
    </message>
    <message>
        <source>周波数-群遅延特性</source>
        <translation>周波数-群遅延特性</translation>
    </message>
    <message>
        <source>ステップ応答</source>
        <translation>ステップ応答</translation>
    </message>
    <message>
        <source>振幅特性dB表示</source>
        <translation>振幅特性dB表示</translation>
    </message>
    <message>
        <source>目盛表示(&amp;G)</source>
        <translation>目盛表示(&amp;G)</translation>
    </message>
    <message>
        <source>サンプリング周波数の指定(&amp;R)...</source>
        <translation>サンプリング周波数の指定(&amp;R)...</translation>
    </message>
    <message>
        <source>零点表示</source>
        <translation>零点表示</translation>
    </message>
    <message>
        <source>フィルタ特性の測定(&amp;P)...</source>
        <translation>フィルタ特性の測定(&amp;P)...</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>ﾂｰﾙ ﾊﾞｰ(&amp;T)</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation>ﾂｰﾙ(&amp;T)</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ長の推定(&amp;L)...</source>
        <translation>ﾌｨﾙﾀ長の推定(&amp;L)...</translation>
    </message>
    <message>
        <source>通過帯域の指定(&amp;F)...</source>
        <translation>通過帯域の指定(&amp;F)...</translation>
    </message>
    <message>
        <source>等リップル設計(&amp;E)...</source>
        <translation>等リップル設計(&amp;E)...</translation>
    </message>
    <message>
        <source>最小位相化(&amp;M)</source>
        <translation>最小位相化(&amp;M)</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>ﾍﾙﾌﾟ(&amp;H)</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Filter) (&amp;A)...</source>
        <translation>ﾊﾞｰｼﾞｮﾝ情報(Filter) (&amp;A)...</translation>
    </message>
    <message>
        <source>設計条件からフィルタ長を推定します</source>
        <translation>設計条件からフィルタ長を推定します</translation>
    </message>
    <message>
        <source>指定された通過帯域を持つフィルタを設計します</source>
        <translation>指定された通過帯域を持つフィルタを設計します</translation>
    </message>
    <message>
        <source>通過域と阻止域の誤差が等リップルになるフィルタを設計します</source>
        <translation>通過域と阻止域の誤差が等リップルになるフィルタを設計します</translation>
    </message>
    <message>
        <source>新規にﾌｧｲﾙを作成
新規ﾌｧｲﾙ</source>
        <translation>新規にﾌｧｲﾙを作成
新規ﾌｧｲﾙ</translation>
    </message>
    <message>
        <source>既存のﾌｧｲﾙを開く
開く</source>
        <translation>既存のﾌｧｲﾙを開く
開く</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを保存
保存</source>
        <translation>作業中のﾌｧｲﾙを保存
保存</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙに名前を付けて保存
名前をつけて保存</source>
        <translation>作業中のﾌｧｲﾙに名前を付けて保存
名前をつけて保存</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀ/印刷設定の変更
ﾌﾟﾘﾝﾀの設定</source>
        <translation>ﾌﾟﾘﾝﾀ/印刷設定の変更
ﾌﾟﾘﾝﾀの設定</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを印刷
印刷</source>
        <translation>作業中のﾌｧｲﾙを印刷
印刷</translation>
    </message>
    <message>
        <source>ﾌﾙｽｸﾘｰﾝで表示
印刷ﾌﾟﾚﾋﾞｭｰ</source>
        <translation>ﾌﾙｽｸﾘｰﾝで表示
印刷ﾌﾟﾚﾋﾞｭｰ</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示
終了</source>
        <translation>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示
終了</translation>
    </message>
    <message>
        <source>次のｳｨﾝﾄﾞｳに切り替える
次ﾍﾟｰｼﾞ</source>
        <translation>次のｳｨﾝﾄﾞｳに切り替える
次ﾍﾟｰｼﾞ</translation>
    </message>
    <message>
        <source>前のｳｨﾝﾄﾞｳに切り替える
前ﾍﾟｰｼﾞ</source>
        <translation>前のｳｨﾝﾄﾞｳに切り替える
前ﾍﾟｰｼﾞ</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの表示/非表示
ﾂｰﾙ ﾊﾞｰの表示/非表示</source>
        <translation>ﾂｰﾙ ﾊﾞｰの表示/非表示
ﾂｰﾙ ﾊﾞｰの表示/非表示</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示</source>
        <translation>ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数を全精度ﾃｷｽﾄ、CSV、固定小数点やDSPﾗｲﾌﾞﾗﾘ用のﾍｯﾀﾞに保存
ｴｸｽﾎﾟｰﾄ</source>
        <translation>ﾌｨﾙﾀ係数を全精度ﾃｷｽﾄ、CSV、固定小数点やDSPﾗｲﾌﾞﾗﾘ用のﾍｯﾀﾞに保存
ｴｸｽﾎﾟｰﾄ</translation>
    </message>
    <message>
        <source>ﾃｷｽﾄﾌｧｲﾙからﾌｨﾙﾀ係数を読み込む
ｲﾝﾎﾟｰﾄ</source>
        <translation>ﾃｷｽﾄﾌｧｲﾙからﾌｨﾙﾀ係数を読み込む
ｲﾝﾎﾟｰﾄ</translation>
    </message>
    <message>
        <source>表示中のﾃﾞｰﾀをCSVﾌｧｲﾙに保存
表示ﾃﾞｰﾀの保存</source>
        <translation>表示中のﾃﾞｰﾀをCSVﾌｧｲﾙに保存
表示ﾃﾞｰﾀの保存</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌをPNGまたはSVGの画像ﾌｧｲﾙに保存
画像保存</source>
        <translation>ｸﾞﾗﾌをPNGまたはSVGの画像ﾌｧｲﾙに保存
画像保存</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌの画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ
画像のｺﾋﾟｰ</source>
        <translation>ｸﾞﾗﾌの画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ
画像のｺﾋﾟｰ</translation>
    </message>
    <message>
        <source>周波数ごとの群遅延をサンプル数で表示します</source>
        <translation>周波数ごとの群遅延をサンプル数で表示します</translation>
    </message>
    <message>
        <source>係数の累積和であるステップ応答を表示します</source>
        <translation>係数の累積和であるステップ応答を表示します</translation>
    </message>
    <message>
        <source>グラフに目盛と数値を表示し、マウス位置の値を読み取ります
目盛表示</source>
        <translation>グラフに目盛と数値を表示し、マウス位置の値を読み取ります
目盛表示</translation>
    </message>
    <message>
        <source>周波数と時間の表示に使うサンプリング周波数を指定します</source>
        <translation>周波数と時間の表示に使うサンプリング周波数を指定します</translation>
    </message>
    <message>
        <source>フィルタのリップル、減衰量、帯域端などを測定して表示します</source>
        <translation>フィルタのリップル、減衰量、帯域端などを測定して表示します</translation>
    </message>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation>ﾚﾃﾞｨ</translation>
    </message>
    <message>
        <source>ｶﾅ</source>
        <translation>ｶﾅ</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>フィルタの要件(&amp;Q)...</source>
        <translation>フィルタの要件(&amp;Q)...</translation>
    </message>
    <message>
        <source>フィルタが満たすべき帯域端、リップル、減衰量を表示し変更します</source>
        <translation>フィルタが満たすべき帯域端、リップル、減衰量を表示し変更します</translation>
    </message>
</context>
<context>
    <name>MeasurementReport</name>
    <message>
        <source>low pass</source>
        <translation>低域通過</translation>
    </message>
    <message>
        <source>high pass</source>
        <translation>高域通過</translation>
    </message>
    <message>
        <source>band pass</source>
        <translation>帯域通過</translation>
    </message>
    <message>
        <source>band elimination</source>
        <translation>帯域阻止</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1, ... (%2 in all)</source>
        <translation>%1, ... (全 %2 個)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>達していません</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>low cut-off</source>
        <translation>下側遮断周波数</translation>
    </message>
    <message>
        <source>high cut-off</source>
        <translation>上側遮断周波数</translation>
    </message>
    <message>
        <source>Kaiser beta</source>
        <translation>カイザー窓の β</translation>
    </message>
    <message>
        <source>pass-band ripple</source>
        <translation>通過域リップル</translation>
    </message>
    <message>
        <source>pass-band deviation</source>
        <translation>通過域偏差</translation>
    </message>
    <message>
        <source>stop-band attenuation</source>
        <translation>阻止域減衰量</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 サンプル</translation>
    </message>
    <message>
        <source>%1 samples (%2)</source>
        <translation>%1 サンプル (%2)</translation>
    </message>
    <message>
        <source>%1, constant</source>
        <translation>%1 (一定)</translation>
    </message>
    <message>
        <source>%1 to %2 within 3 dB of the largest amplitude</source>
        <translation>%1 から %2 (最大振幅から 3 dB 以内)</translation>
    </message>
    <message>
        <source>undefined within 3 dB of the largest amplitude</source>
        <translation>定義されない (最大振幅から 3 dB 以内)</translation>
    </message>
    <message>
        <source>Kaiser window</source>
        <translation>カイザー窓</translation>
    </message>
    <message>
        <source>equiripple (Parks-McClellan)</source>
        <translation>等リップル (Parks-McClellan)</translation>
    </message>
    <message>
        <source>length</source>
        <translation>フィルタ長</translation>
    </message>
    <message>
        <source>design</source>
        <translation>設計法</translation>
    </message>
    <message>
        <source>-3 dB edges</source>
        <translation>-3 dB 点</translation>
    </message>
    <message>
        <source>-6 dB edges</source>
        <translation>-6 dB 点</translation>
    </message>
    <message>
        <source>transition width</source>
        <translation>遷移帯域幅</translation>
    </message>
    <message>
        <source>DC gain</source>
        <translation>直流利得</translation>
    </message>
    <message>
        <source>sum of |h|</source>
        <translation>|h| の総和</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>yes (linear phase)</source>
        <translation>はい (直線位相)</translation>
    </message>
    <message>
        <source>antisymmetric (linear phase)</source>
        <translation>反対称 (直線位相)</translation>
    </message>
    <message>
        <source>symmetric</source>
        <translation>対称性</translation>
    </message>
    <message>
        <source>group delay</source>
        <translation>群遅延</translation>
    </message>
    <message>
        <source>not designed here (the coefficients were written, converted to minimum phase or loaded)</source>
        <translation>ここで設計したものではありません (係数は書き込み、最小位相化、読み込みによるものです)</translation>
    </message>
    <message>
        <source>unknown: the filter has no requirements</source>
        <translation>不明: フィルタに要件がありません</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>満たしています</translation>
    </message>
    <message>
        <source>misses by %1 dB at %2</source>
        <translation>%2 で %1 dB 不足しています</translation>
    </message>
    <message>
        <source>design attenuation</source>
        <translation>設計の減衰量</translation>
    </message>
    <message>
        <source>%1 dB peak-to-peak, from %2 dB at %3 to %4 dB at %5</source>
        <translation>ピーク間 %1 dB (%3 で %2 dB から %5 で %4 dB まで)</translation>
    </message>
    <message>
        <source>%1; misses the asked %2 dB by %3 dB</source>
        <translation>%1。要求の %2 dB を %3 dB 超えています</translation>
    </message>
    <message>
        <source>%1; meets the asked %2 dB</source>
        <translation>%1。要求の %2 dB を満たしています</translation>
    </message>
    <message>
        <source>%1 dB from 0 dB at %2; %3</source>
        <translation>%2 で 0 dB から %1 dB。%3</translation>
    </message>
    <message>
        <source>%1 dB at %2, %3 dB asked; %4</source>
        <translation>%2 で %1 dB (要求 %3 dB)。%4</translation>
    </message>
    <message>
        <source>requirements</source>
        <translation>要件</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>%1; %2 dB below the peak gain of %3 dB at %4</source>
        <translation>%1 (%4 の最大利得 %3 dB から %2 dB 下)</translation>
    </message>
    <message>
        <source>%1 by %2 dB at %3</source>
        <translation>%1が %3 で %2 dB 不足</translation>
    </message>
    <message>
        <source>Meets the requirements</source>
        <translation>要件を満たしています</translation>
    </message>
    <message>
        <source>pass band</source>
        <translation>通過域</translation>
    </message>
    <message>
        <source>stop band</source>
        <translation>阻止域</translation>
    </message>
    <message>
        <source>Misses: %1</source>
        <translation>要件を満たしていません: %1</translation>
    </message>
    <message>
        <source>meets the requirements</source>
        <translation>要件を満たしています</translation>
    </message>
    <message>
        <source>%1 misses by %2 dB at %3</source>
        <translation>%1が %3 で %2 dB 不足</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>pass band: %1</source>
        <translation>通過域: %1</translation>
    </message>
    <message>
        <source>stop band: %1</source>
        <translation>阻止域: %1</translation>
    </message>
    <message>
        <source>%1 %2 .. %3</source>
        <translation>%1 %2 から %3</translation>
    </message>
    <message>
        <source>%1; %2; ripple %3 dB; attenuation %4 dB</source>
        <translation>%1。%2。リップル %3 dB、減衰量 %4 dB</translation>
    </message>
    <message>
        <source>multiband</source>
        <translation>マルチバンド</translation>
    </message>
    <message>
        <source>differentiator</source>
        <translation>微分器</translation>
    </message>
    <message>
        <source>Hilbert transformer</source>
        <translation>ヒルベルト変換器</translation>
    </message>
    <message>
        <source>half-band low pass</source>
        <translation>ハーフバンドローパス</translation>
    </message>
    <message>
        <source>none: no pass band lies beside a stop band</source>
        <translation>なし: 阻止域と隣り合う通過域がありません</translation>
    </message>
    <message>
        <source>%1 dB from the band&apos;s gain at %2; %3</source>
        <translation>%2 で帯域の利得から %1 dB、%3</translation>
    </message>
    <message>
        <source>%1 gain f times %2</source>
        <translation>%1 利得 f × %2</translation>
    </message>
    <message>
        <source>%1 gain %2</source>
        <translation>%1 利得 %2</translation>
    </message>
    <message>
        <source>design error</source>
        <translation>設計誤差</translation>
    </message>
    <message>
        <source>at the rounding floor: double coefficients cannot hold a smaller error; the figures below are what they reach</source>
        <translation>丸めの限界: 倍精度の係数ではこれより小さい誤差を表せません。以下の値は係数が実際に達するものです</translation>
    </message>
</context>
<context>
    <name>NpyFormat</name>
    <message>
        <source>not a NumPy array of coefficients: %1</source>
        <translation>係数の NumPy 配列ではありません: %1</translation>
    </message>
    <message>
        <source>the shape %1 is not that of a list of numbers</source>
        <translation>形状 %1 は数値の並びではありません</translation>
    </message>
    <message>
        <source>the file does not begin as a .npy file does</source>
        <translation>ファイルの先頭が .npy ファイルのものではありません</translation>
    </message>
    <message>
        <source>version %1 of the format is not known</source>
        <translation>形式のバージョン %1 は知らないものです</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>ヘッダの途中でファイルが終わっています</translation>
    </message>
    <message>
        <source>its header is longer than %1 bytes</source>
        <translation>ヘッダが %1 バイトより長くなっています</translation>
    </message>
    <message>
        <source>its elements are not float64 or float32</source>
        <translation>要素が float64 でも float32 でもありません</translation>
    </message>
    <message>
        <source>its header gives no order or shape</source>
        <translation>ヘッダに順序または形状がありません</translation>
    </message>
    <message>
        <source>it holds %1 values, not 1 to %2</source>
        <translation>値が %1 個あります (1 から %2 個でなければなりません)</translation>
    </message>
    <message>
        <source>its data part is %1 bytes long where its header announces %2</source>
        <translation>データ部が %1 バイトで、ヘッダの示す %2 バイトと合いません</translation>
    </message>
    <message>
        <source>value %1 is not finite</source>
        <translation>値 %1 が有限ではありません</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>画像の保存</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 画像 (*.svg)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer %1 cannot be opened.</source>
        <translation>プリンタ %1 を開けません。</translation>
    </message>
    <message>
        <source>The printout cannot be written to &quot;%1&quot;.</source>
        <translation>印刷結果を「%1」に書き込めません。</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>more than 65535 records cannot be counted in 16 bits</source>
        <translation>65535 個を超えるレコードは 16 ビットで数えられません</translation>
    </message>
    <message>
        <source>the file is too short to hold a count</source>
        <translation>ファイルが短すぎて個数を読めません</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is too short to hold a count</source>
        <translation>「%1」: ファイルが短すぎて個数を読めません</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>a band filter needs 4 band edges</source>
        <translation>帯域通過・帯域阻止フィルタには帯域端が 4 つ必要です</translation>
    </message>
    <message>
        <source>this filter type needs 2 band edges</source>
        <translation>この種類のフィルタには帯域端が 2 つ必要です</translation>
    </message>
    <message>
        <source>band edges must lie within 0 .. 0.5, none below the one before</source>
        <translation>帯域端は 0 から 0.5 の範囲で、前の帯域端より小さくないものでなければなりません</translation>
    </message>
    <message>
        <source>the pass-band ripple must be above 0 and at most %1 dB</source>
        <translation>通過域リップルは 0 より大きく %1 dB 以下でなければなりません</translation>
    </message>
    <message>
        <source>the stop-band attenuation must be 0 to %1 dB</source>
        <translation>阻止域減衰量は 0 から %1 dB まででなければなりません</translation>
    </message>
    <message>
        <source>the cut-offs must lie within 0 .. 0.5, the high one above the low one</source>
        <translation>遮断周波数は 0 から 0.5 の範囲で、高い方が低い方以上でなければなりません</translation>
    </message>
    <message>
        <source>a transition width, ripple and attenuation must be positive</source>
        <translation>遷移帯域幅、リップル、減衰量は正でなければなりません</translation>
    </message>
    <message>
        <source>this filter type needs 1 to %1 bands, two edges and a gain each</source>
        <translation>このフィルタの種類には 1 から %1 個の帯域が必要で、それぞれ帯域端 2 つと利得 1 つを持ちます</translation>
    </message>
    <message>
        <source>bands must lie within 0 .. 0.5, each ending above its start, none before the one below</source>
        <translation>帯域は 0 .. 0.5 の範囲にあり、それぞれ始まりより上で終わり、下の帯域より前にあってはなりません</translation>
    </message>
    <message>
        <source>a band&apos;s gain must be a finite number of at least 0</source>
        <translation>帯域の利得は 0 以上の有限の数でなければなりません</translation>
    </message>
    <message>
        <source>only multiband filters, differentiators and Hilbert transformers take gains</source>
        <translation>利得を取るのはマルチバンドフィルタ、微分器、ヒルベルト変換器だけです</translation>
    </message>
    <message>
        <source>filter type must be 0 to 6</source>
        <translation>フィルタの種類は 0 から 6 まででなければなりません</translation>
    </message>
</context>
<context>
    <name>RequirementsDialogData</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>%1 から %2 までの数値を入力してください。</translation>
    </message>
</context>
<context>
    <name>RequirementsFile</name>
    <message>
        <source>the field &quot;%1&quot; is missing or not a number</source>
        <translation>項目「%1」がないか、数値ではありません</translation>
    </message>
    <message>
        <source>not a requirements file</source>
        <translation>要件のファイルではありません</translation>
    </message>
    <message>
        <source>a version of the requirements file this program does not know</source>
        <translation>このプログラムが知らない版の要件ファイルです</translation>
    </message>
    <message>
        <source>a band edge is not a number</source>
        <translation>帯域端が数値ではありません</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>JSON のオブジェクトではありません</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing or not a list</source>
        <translation>項目「%1」がないか、リストではありません</translation>
    </message>
    <message>
        <source>the field &quot;type&quot; is not lowpass, highpass, bandpass, bandstop, multiband, differentiator or hilbert</source>
        <translation>項目「type」が lowpass、highpass、bandpass、bandstop、multiband、differentiator、hilbert のいずれでもありません</translation>
    </message>
    <message>
        <source>a band&apos;s gain is not a number</source>
        <translation>帯域の利得が数値ではありません</translation>
    </message>
</context>
<context>
    <name>ShortestLengthButton</name>
    <message>
        <source>The shortest length whose filter meets the requirements</source>
        <translation>要件を満たす最も短いフィルタ長を求めます</translation>
    </message>
</context>
<context>
    <name>WordFormats</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行: %2</translation>
    </message>
    <message>
        <source>a comment is not closed</source>
        <translation>コメントが閉じられていません</translation>
    </message>
    <message>
        <source>the word length or scale shift of the comment is out of range</source>
        <translation>コメントの語長またはスケールシフトが範囲外です</translation>
    </message>
    <message>
        <source>%1 where &quot;%2&quot; was expected</source>
        <translation>&quot;%2&quot; のあるべき所に %1 があります</translation>
    </message>
    <message>
        <source>more than %1 values</source>
        <translation>値が %1 個を超えています</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 は整数ではありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word of %2 bits</source>
        <translation>&quot;%1&quot; は %2 ビットのワードではありません</translation>
    </message>
    <message>
        <source>the radix %1 is not read; only 10 and 16 are</source>
        <translation>基数 %1 は読めません (読めるのは 10 と 16 だけです)</translation>
    </message>
    <message>
        <source>the statement %1 is not ended by &quot;;&quot;</source>
        <translation>文 %1 が &quot;;&quot; で終わっていません</translation>
    </message>
    <message>
        <source>there is no &quot;CONTENT BEGIN&quot;</source>
        <translation>&quot;CONTENT BEGIN&quot; がありません</translation>
    </message>
    <message>
        <source>the width %1 is not %2 to %3 bits</source>
        <translation>幅 %1 が %2 から %3 ビットではありません</translation>
    </message>
    <message>
        <source>the depth %1 is not 1 to %2</source>
        <translation>深さ %1 が 1 から %2 ではありません</translation>
    </message>
    <message>
        <source>the radix %1 is not known</source>
        <translation>基数 %1 は知らないものです</translation>
    </message>
    <message>
        <source>WIDTH and DEPTH must come before the content</source>
        <translation>WIDTH と DEPTH は内容の前に必要です</translation>
    </message>
    <message>
        <source>the content is not ended by &quot;END;&quot;</source>
        <translation>内容が &quot;END;&quot; で終わっていません</translation>
    </message>
    <message>
        <source>address %1 is given no value</source>
        <translation>アドレス %1 に値がありません</translation>
    </message>
    <message>
        <source>%1 is not a range of addresses</source>
        <translation>%1 はアドレスの範囲ではありません</translation>
    </message>
    <message>
        <source>the entry is not ended by &quot;;&quot;</source>
        <translation>項目が &quot;;&quot; で終わっていません</translation>
    </message>
    <message>
        <source>address %1 is outside the depth or given twice</source>
        <translation>アドレス %1 が深さの外にあるか、二度指定されています</translation>
    </message>
    <message>
        <source>addresses (%1) are not read</source>
        <translation>アドレス指定 (%1) は読めません</translation>
    </message>
    <message>
        <source>the file holds no value</source>
        <translation>ファイルに値がありません</translation>
    </message>
    <message>
        <source>the file does not state its word length (filter-cli: --bits)</source>
        <translation>ファイルに語長がありません (filter-cli: --bits)</translation>
    </message>
</context>
<context>
    <name>WorkbenchCommandLine</name>
    <message>
        <source>FIR filter design workbench: designs filters by the window method or as equiripple filters and shows their responses and zeros.</source>
        <translation>FIR フィルタ設計ワークベンチ: 窓関数法または等リップルでフィルタを設計し、その応答と零点を表示します。</translation>
    </message>
    <message>
        <source>Show the workbench in &lt;language&gt;: ja (Japanese) or en (English). Without this option the first of the user&apos;s languages decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Japanese for ja and where no locale is set, English for any other.</source>
        <translation>ワークベンチを &lt;言語&gt; で表示します: ja (日本語) または en (英語)。このオプションがないときは、ユーザの言語 (LANGUAGE、LC_ALL、LC_MESSAGES、LANG) の最初のもので決まります: ja のときとロケールが設定されていないときは日本語、それ以外は英語です。</translation>
    </message>
    <message>
        <source>language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>document</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>The filter document to open; without one the workbench starts with a new document.</source>
        <translation>開くフィルタのドキュメント。指定しないときは新しいドキュメントで始まります。</translation>
    </message>
    <message>
        <source>[document]</source>
        <translation>[ドキュメント]</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;: use ja or en.</source>
        <translation>言語「%1」は使えません。ja か en を指定してください。</translation>
    </message>
    <message>
        <source>Give one document at most.</source>
        <translation>指定できるドキュメントは 1 つまでです。</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display available; start it in a graphical session (DISPLAY or WAYLAND_DISPLAY set) or set QT_QPA_PLATFORM</source>
        <translation>ディスプレイがありません。グラフィカルなセッション (DISPLAY または WAYLAND_DISPLAY を設定) で起動するか、QT_QPA_PLATFORM を設定してください</translation>
    </message>
</context>
</TS>
