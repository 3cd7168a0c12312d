<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AxisScale</name>
    <message>
        <source>samples</source>
        <translation>samples</translation>
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
        <translation>the file ends early</translation>
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
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
</context>
<context>
    <name>CDocument</name>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>cannot open &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>cannot write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>CEquirippleDlg</name>
    <message>
        <source>Pass Band Edge:</source>
        <translation>Pass Band Edge:</translation>
    </message>
    <message>
        <source>Stop Band Edge:</source>
        <translation>Stop Band Edge:</translation>
    </message>
    <message>
        <source>Lower Stop Edge:</source>
        <translation>Lower Stop Edge:</translation>
    </message>
    <message>
        <source>Lower Pass Edge:</source>
        <translation>Lower Pass Edge:</translation>
    </message>
    <message>
        <source>Upper Pass Edge:</source>
        <translation>Upper Pass Edge:</translation>
    </message>
    <message>
        <source>Upper Stop Edge:</source>
        <translation>Upper Stop Edge:</translation>
    </message>
    <message>
        <source>Designing Equiripple Filter</source>
        <translation>Designing Equiripple Filter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <source>Band Edges</source>
        <translation>Band Edges</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>As per Sampling Frequency</source>
        <translation>As per Sampling Frequency</translation>
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
        <source>Filter Length:</source>
        <translation>Filter Length:</translation>
    </message>
    <message>
        <source>Use Estimate</source>
        <translation>Use Estimate</translation>
    </message>
    <message>
        <source>Estimated Length: %1</source>
        <translation>Estimated Length: %1</translation>
    </message>
    <message>
        <source>These conditions need about %1 taps by the length estimate. A design of %2 taps will miss the ripple and attenuation by far.

Design %2 taps all the same?</source>
        <translation>These conditions need about %1 taps by the length estimate. A design of %2 taps will miss the ripple and attenuation by far.

Design %2 taps all the same?</translation>
    </message>
    <message>
        <source>Band Weights:</source>
        <translation>Band Weights:</translation>
    </message>
    <message>
        <source>from ripple and attenuation</source>
        <translation>from ripple and attenuation</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Shortest</translation>
    </message>
    <message>
        <source>Lower Band Edge:</source>
        <translation>Lower Band Edge:</translation>
    </message>
    <message>
        <source>Upper Band Edge:</source>
        <translation>Upper Band Edge:</translation>
    </message>
    <message>
        <source>Multiband Filter</source>
        <translation>Multiband Filter</translation>
    </message>
    <message>
        <source>Differentiator</source>
        <translation>Differentiator</translation>
    </message>
    <message>
        <source>Hilbert Transformer</source>
        <translation>Hilbert Transformer</translation>
    </message>
    <message>
        <source>Half-Band Low Pass</source>
        <translation>Half-Band Low Pass</translation>
    </message>
    <message>
        <source>Bands:</source>
        <translation>Bands:</translation>
    </message>
    <message>
        <source>F1,F2,GAIN[,WEIGHT]; ...</source>
        <translation>F1,F2,GAIN[,WEIGHT]; ...</translation>
    </message>
    <message>
        <source>The bands of a multiband filter or differentiator in increasing order, separated by &apos;;&apos;: each its edges, its gain (a differentiator&apos;s amplitude is f times it) and optionally the weight of its error.</source>
        <translation>The bands of a multiband filter or differentiator in increasing order, separated by &apos;;&apos;: each its edges, its gain (a differentiator&apos;s amplitude is f times it) and optionally the weight of its error.</translation>
    </message>
</context>
<context>
    <name>CExportDlg</name>
    <message>
        <source>Full precision text (17 digits a line)</source>
        <translation>Full precision text (17 digits a line)</translation>
    </message>
    <message>
        <source>CSV (index,coefficient)</source>
        <translation>CSV (index,coefficient)</translation>
    </message>
    <message>
        <source>C header, Q15 (int16_t)</source>
        <translation>C header, Q15 (int16_t)</translation>
    </message>
    <message>
        <source>C header, Q31 (int32_t)</source>
        <translation>C header, Q31 (int32_t)</translation>
    </message>
    <message>
        <source>Cortex-M DSP library, float32_t</source>
        <translation>Cortex-M DSP library, float32_t</translation>
    </message>
    <message>
        <source>Cortex-M DSP library, q15_t</source>
        <translation>Cortex-M DSP library, q15_t</translation>
    </message>
    <message>
        <source>Cortex-M DSP library, q31_t</source>
        <translation>Cortex-M DSP library, q31_t</translation>
    </message>
    <message>
        <source>Export Coefficients</source>
        <translation>Export Coefficients</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Block size:</source>
        <translation>Block size:</translation>
    </message>
    <message>
        <source>What the format does to the coefficients</source>
        <translation>What the format does to the coefficients</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>These coefficients cannot be exported: %1.</source>
        <translation>These coefficients cannot be exported: %1.</translation>
    </message>
    <message>
        <source>NumPy array (.npy, float64)</source>
        <translation>NumPy array (.npy, float64)</translation>
    </message>
    <message>
        <source>MATLAB/Octave script (.m)</source>
        <translation>MATLAB/Octave script (.m)</translation>
    </message>
    <message>
        <source>JSON with the design, requirements and measurements</source>
        <translation>JSON with the design, requirements and measurements</translation>
    </message>
    <message>
        <source>Xilinx coefficient file (.coe)</source>
        <translation>Xilinx coefficient file (.coe)</translation>
    </message>
    <message>
        <source>Intel memory initialisation file (.mif)</source>
        <translation>Intel memory initialisation file (.mif)</translation>
    </message>
    <message>
        <source>Hex words for $readmemh (.hex)</source>
        <translation>Hex words for $readmemh (.hex)</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> bits</translation>
    </message>
    <message>
        <source>from the file&apos;s name</source>
        <translation>from the file&apos;s name</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Word length:</source>
        <translation>Word length:</translation>
    </message>
</context>
<context>
    <name>CFilterApp</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Filter)</source>
        <translation>About Filter</translation>
    </message>
    <message>
        <source>Filter: FIR filter design workbench, version %1</source>
        <translation>Filter: FIR filter design workbench, version %1</translation>
    </message>
    <message>
        <source>Kaiser-window and equiripple design</source>
        <translation>Kaiser-window and equiripple design</translation>
    </message>
</context>
<context>
    <name>CFilterDoc</name>
    <message>
        <source>Estimated length: %1 taps, more than the %2 the pass-band design accepts</source>
        <translation>Estimated length: %1 taps, more than the %2 the pass-band design accepts</translation>
    </message>
    <message>
        <source>Estimated length: %1 taps</source>
        <translation>Estimated length: %1 taps</translation>
    </message>
    <message>
        <source>The filter was not designed: %1.</source>
        <translation>The filter was not designed: %1.</translation>
    </message>
    <message>
        <source>There are no coefficients to export.</source>
        <translation>There are no coefficients to export.</translation>
    </message>
    <message>
        <source>The coefficients were not exported: %1.</source>
        <translation>The coefficients were not exported: %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>The display was not exported: %1.</source>
        <translation>The display was not exported: %1.</translation>
    </message>
    <message>
        <source>The root finder zsolve was ended by signal %1 (%2).</source>
        <translation>The root finder zsolve was ended by signal %1 (%2).</translation>
    </message>
    <message>
        <source>The root finder zsolve failed (exit status %1).</source>
        <translation>The root finder zsolve failed (exit status %1).</translation>
    </message>
    <message>
        <source>The root finder zsolve failed: %1</source>
        <translation>The root finder zsolve failed: %1</translation>
    </message>
    <message>
        <source>The zeros were not computed: %1.</source>
        <translation>The zeros were not computed: %1.</translation>
    </message>
    <message>
        <source>The wait for another root finding in this folder was cancelled.</source>
        <translation>The wait for another root finding in this folder was cancelled.</translation>
    </message>
    <message>
        <source>Zeros can be found for 1 to 65535 coefficients; this filter has %1.</source>
        <translation>Zeros can be found for 1 to 65535 coefficients; this filter has %1.</translation>
    </message>
    <message>
        <source>root.bin is a folder; the zeros were not computed.</source>
        <translation>root.bin is a folder; the zeros were not computed.</translation>
    </message>
    <message>
        <source>The old root.bin cannot be removed: %1.</source>
        <translation>The old root.bin cannot be removed: %1.</translation>
    </message>
    <message>
        <source>The root finder zsolve could not be started.</source>
        <translation>The root finder zsolve could not be started.</translation>
    </message>
    <message>
        <source>The root finder was cancelled.</source>
        <translation>The root finder was cancelled.</translation>
    </message>
    <message>
        <source>root.bin holds %1 zeros where %2 were expected.</source>
        <translation>root.bin holds %1 zeros where %2 were expected.</translation>
    </message>
    <message>
        <source>The zeros were not read: %1.</source>
        <translation>The zeros were not read: %1.</translation>
    </message>
    <message>
        <source>The zero viewer was not started: %1.</source>
        <translation>The zero viewer was not started: %1.</translation>
    </message>
    <message>
        <source>The zero viewer Zeroplot could not be started.</source>
        <translation>The zero viewer Zeroplot could not be started.</translation>
    </message>
    <message>
        <source>The minimum-phase filter could not be rebuilt from the zeros.</source>
        <translation>The minimum-phase filter could not be rebuilt from the zeros.</translation>
    </message>
    <message>
        <source>The coefficients were not installed: %1.</source>
        <translation>The coefficients were not installed: %1.</translation>
    </message>
    <message>
        <source>Designing and measuring %1 taps...</source>
        <translation>Designing and measuring %1 taps...</translation>
    </message>
    <message>
        <source>No length up to %1 gives a design that meets the requirements.</source>
        <translation>No length up to %1 gives a design that meets the requirements.</translation>
    </message>
    <message>
        <source>No length up to %1 meets the requirements: at %2 taps the filter still misses them (%3).</source>
        <translation>No length up to %1 meets the requirements: at %2 taps the filter still misses them (%3).</translation>
    </message>
    <message>
        <source>A window design deviates in its pass band about as far as in its stop band: for a ripple of %1 dB raise the attenuation to at least %2 dB.</source>
        <translation>A window design deviates in its pass band about as far as in its stop band: for a ripple of %1 dB raise the attenuation to at least %2 dB.</translation>
    </message>
    <message>
        <source>The search needs the transition width to reach: enter a length whose Kaiser transition width to aim at, estimate the length first, or state the requirements (View menu).</source>
        <translation>The search needs the transition width to reach: enter a length whose Kaiser transition width to aim at, estimate the length first, or state the requirements (View menu).</translation>
    </message>
    <message>
        <source>Shortest filter</source>
        <translation>Shortest filter</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged: %2</source>
        <translation>&quot;%1&quot; is damaged: %2</translation>
    </message>
    <message>
        <source>the requirements were derived from the document&apos;s type, cut-offs and attenuation</source>
        <translation>the requirements were derived from the document&apos;s type, cut-offs and attenuation</translation>
    </message>
    <message>
        <source>the document&apos;s type, cut-offs and attenuation give none: state them in the View menu</source>
        <translation>the document&apos;s type, cut-offs and attenuation give none: state them in the View menu</translation>
    </message>
    <message>
        <source>No requirements beside the document; %1.</source>
        <translation>No requirements beside the document; %1.</translation>
    </message>
    <message>
        <source>The requirements beside the document were not taken (%1); %2.</source>
        <translation>The requirements beside the document were not taken (%1); %2.</translation>
    </message>
    <message>
        <source>The document was saved, but not its requirements: %1.</source>
        <translation>The document was saved, but not its requirements: %1.</translation>
    </message>
</context>
<context>
    <name>CFilterPropertiesDlg</name>
    <message>
        <source>Filter Properties</source>
        <translation>Filter Properties</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a figure&apos;s name as a label</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>The filter misses its requirements here.</source>
        <translation>The filter misses its requirements here.</translation>
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
        <translation>undefined</translation>
    </message>
</context>
<context>
    <name>CHeaderExport</name>
    <message>
        <source>a coefficient is too large for float32_t</source>
        <translation>a coefficient is too large for float32_t</translation>
    </message>
    <message>
        <source>the DSP library&apos;s FIR functions take at most 65535 taps</source>
        <translation>the DSP library&apos;s FIR functions take at most 65535 taps</translation>
    </message>
    <message>
        <source>Values rounded to the nearest float32_t; largest coefficient error: %1.</source>
        <translation>Values rounded to the nearest float32_t; largest coefficient error: %1.</translation>
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
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Filter graph</source>
        <translation>Filter graph</translation>
    </message>
    <message>
        <source>The image was not saved: %1.</source>
        <translation>The image was not saved: %1.</translation>
    </message>
    <message>
        <source>Graph copied</source>
        <translation>Graph copied</translation>
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
        <translation>Cancel</translation>
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
        <translation>Image Size</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
</context>
<context>
    <name>CRequirementsDlg</name>
    <message>
        <source>Pass Band Edge:</source>
        <translation>Pass Band Edge:</translation>
    </message>
    <message>
        <source>Stop Band Edge:</source>
        <translation>Stop Band Edge:</translation>
    </message>
    <message>
        <source>Lower Stop Edge:</source>
        <translation>Lower Stop Edge:</translation>
    </message>
    <message>
        <source>Lower Pass Edge:</source>
        <translation>Lower Pass Edge:</translation>
    </message>
    <message>
        <source>Upper Pass Edge:</source>
        <translation>Upper Pass Edge:</translation>
    </message>
    <message>
        <source>Upper Stop Edge:</source>
        <translation>Upper Stop Edge:</translation>
    </message>
    <message>
        <source>Filter Requirements</source>
        <translation>Filter Requirements</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
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
        <source>Band Edges</source>
        <translation>Band Edges</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>As per Sampling Frequency</source>
        <translation>As per Sampling Frequency</translation>
    </message>
    <message>
        <source>Pass-Band Ripple:</source>
        <translation>Pass-Band Ripple:</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Stop-Band Attenuation:</source>
        <translation>Stop-Band Attenuation:</translation>
    </message>
</context>
<context>
    <name>CSampleRateDlg</name>
    <message>
        <source>Sampling Frequency</source>
        <translation>Sampling Frequency</translation>
    </message>
    <message>
        <source>Sampling Frequency:</source>
        <translation>Sampling Frequency:</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Leave empty for none: frequencies as fractions of the sampling frequency.</source>
        <translation>Leave empty for none: frequencies as fractions of the sampling frequency.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2, or leave the field empty for none.</source>
        <translation>Please enter a number between %1 and %2, or leave the field empty for none.</translation>
    </message>
</context>
<context>
    <name>CWinApp</name>
    <message>
        <source>%1.</source>
        <comment>a reason told as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Save changes to &quot;%1&quot;?</source>
        <translation>Save changes to &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
</context>
<context>
    <name>CWordBitsDlg</name>
    <message>
        <source>Word Length</source>
        <translation>Word Length</translation>
    </message>
    <message>
        <source> bits</source>
        <translation> bits</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not say how long its words are.
Read them as two&apos;s-complement words of:</source>
        <translation>&quot;%1&quot; does not say how long its words are.
Read them as two&apos;s-complement words of:</translation>
    </message>
    <message>
        <source>Word length:</source>
        <translation>Word length:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CWorkbenchUi</name>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Import Coefficients</source>
        <translation>Import Coefficients</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 coefficients.
Install them as the filter&apos;s coefficients?</source>
        <translation>&quot;%1&quot; holds %2 coefficients.
Install them as the filter&apos;s coefficients?</translation>
    </message>
    <message>
        <source>Finding the zeros of the filter...</source>
        <translation>Finding the zeros of the filter...</translation>
    </message>
    <message>
        <source>%1 of %2 zeros found, %3 certified</source>
        <translation>%1 of %2 zeros found, %3 certified</translation>
    </message>
    <message>
        <source>Waiting for another root finding in this folder...</source>
        <translation>Waiting for another root finding in this folder...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Coefficient files (*.txt *.csv *.h *.c *.npy *.json *.coe *.mif *.hex);;All files (*)</source>
        <translation>Coefficient files (*.txt *.csv *.h *.c *.npy *.json *.coe *.mif *.hex);;All files (*)</translation>
    </message>
</context>
<context>
    <name>CoefficientExport</name>
    <message>
        <source>there are no coefficients to export</source>
        <translation>there are no coefficients to export</translation>
    </message>
    <message>
        <source>more than %1 coefficients cannot be exported</source>
        <translation>more than %1 coefficients cannot be exported</translation>
    </message>
    <message>
        <source>coefficient %1 is not finite</source>
        <translation>coefficient %1 is not finite</translation>
    </message>
    <message>
        <source>Values with 17 significant digits, which read back bit for bit.</source>
        <translation>Values with 17 significant digits, which read back bit for bit.</translation>
    </message>
    <message>
        <source>the block size must be 1 .. %1</source>
        <translation>the block size must be 1 .. %1</translation>
    </message>
    <message>
        <source>the word length must be %1 .. %2 bits</source>
        <translation>the word length must be %1 .. %2 bits</translation>
    </message>
    <message>
        <source>Values as float64, which read back bit for bit.</source>
        <translation>Values as float64, which read back bit for bit.</translation>
    </message>
    <message>
        <source>Values at full precision, which read back bit for bit, with the design, the requirements and the measurements.</source>
        <translation>Values at full precision, which read back bit for bit, with the design, the requirements and the measurements.</translation>
    </message>
</context>
<context>
    <name>CoefficientJson</name>
    <message>
        <source>not a JSON file of coefficients: %1</source>
        <translation>not a JSON file of coefficients: %1</translation>
    </message>
    <message>
        <source>its &quot;format&quot; is not &quot;filter-coefficients&quot;</source>
        <translation>its &quot;format&quot; is not &quot;filter-coefficients&quot;</translation>
    </message>
    <message>
        <source>a version this program does not know</source>
        <translation>a version this program does not know</translation>
    </message>
    <message>
        <source>the field &quot;coefficients&quot; is missing or not a list</source>
        <translation>the field &quot;coefficients&quot; is missing or not a list</translation>
    </message>
    <message>
        <source>its &quot;length&quot; is not the number of coefficients</source>
        <translation>its &quot;length&quot; is not the number of coefficients</translation>
    </message>
    <message>
        <source>at byte %1: %2</source>
        <translation>at byte %1: %2</translation>
    </message>
    <message>
        <source>it holds %1 coefficients, not 1 to %2</source>
        <translation>it holds %1 coefficients, not 1 to %2</translation>
    </message>
    <message>
        <source>coefficient %1 is not a finite number</source>
        <translation>coefficient %1 is not a finite number</translation>
    </message>
</context>
<context>
    <name>CoefficientParser</name>
    <message>
        <source>line %1, column %2: %3</source>
        <translation>line %1, column %2: %3</translation>
    </message>
    <message>
        <source>%1 where &quot;]&quot; was expected</source>
        <translation>%1 where &quot;]&quot; was expected</translation>
    </message>
    <message>
        <source>%1 where &quot;=&quot; was expected</source>
        <translation>%1 where &quot;=&quot; was expected</translation>
    </message>
    <message>
        <source>%1 where &quot;{&quot; was expected</source>
        <translation>%1 where &quot;{&quot; was expected</translation>
    </message>
    <message>
        <source>%1 after the end of the array</source>
        <translation>%1 after the end of the array</translation>
    </message>
    <message>
        <source>%1 is not a number</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>the comment &quot;/*&quot; is not closed</source>
        <translation>the comment &quot;/*&quot; is not closed</translation>
    </message>
    <message>
        <source>the time reversal %1 is neither 0 nor 1</source>
        <translation>the time reversal %1 is neither 0 nor 1</translation>
    </message>
    <message>
        <source>the scale shift %1 is not a whole number from 0 to %2</source>
        <translation>the scale shift %1 is not a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>%1 is out of the range of a double</source>
        <translation>%1 is out of the range of a double</translation>
    </message>
    <message>
        <source>the line holds more values than the header&apos;s %1 columns</source>
        <translation>the line holds more values than the header&apos;s %1 columns</translation>
    </message>
    <message>
        <source>the first line holds more than %1 names</source>
        <translation>the first line holds more than %1 names</translation>
    </message>
    <message>
        <source>more than %1 values</source>
        <translation>more than %1 values</translation>
    </message>
    <message>
        <source>the line holds %1 of the header&apos;s %2 columns</source>
        <translation>the line holds %1 of the header&apos;s %2 columns</translation>
    </message>
    <message>
        <source>the array is not closed by &quot;}&quot;</source>
        <translation>the array is not closed by &quot;}&quot;</translation>
    </message>
    <message>
        <source>the array declaration is not complete</source>
        <translation>the array declaration is not complete</translation>
    </message>
    <message>
        <source>the text holds no number</source>
        <translation>the text holds no number</translation>
    </message>
    <message>
        <source>the scale shift</source>
        <translation>the scale shift</translation>
    </message>
    <message>
        <source>the time reversal</source>
        <translation>the time reversal</translation>
    </message>
    <message>
        <source>the length</source>
        <translation>the length</translation>
    </message>
    <message>
        <source>%1 defines %2 a second time (first on line %3)</source>
        <translation>%1 defines %2 a second time (first on line %3)</translation>
    </message>
    <message>
        <source>the length %1 is not a whole number</source>
        <translation>the length %1 is not a whole number</translation>
    </message>
    <message>
        <source>%1 is not a whole number, as an element of %2 must be</source>
        <translation>%1 is not a whole number, as an element of %2 must be</translation>
    </message>
    <message>
        <source>%1 is outside the range of %2, %3 to %4</source>
        <translation>%1 is outside the range of %2, %3 to %4</translation>
    </message>
    <message>
        <source>%1 gives %2 values, but the text holds %3</source>
        <translation>%1 gives %2 values, but the text holds %3</translation>
    </message>
    <message>
        <source>the array is declared with %1 elements, but holds %2</source>
        <translation>the array is declared with %1 elements, but holds %2</translation>
    </message>
    <message>
        <source>%1 is beyond ±%2, the largest magnitude a coefficient may have</source>
        <translation>%1 is beyond ±%2, the largest magnitude a coefficient may have</translation>
    </message>
    <message>
        <source>%1 times 2^%2 is beyond ±%3, the largest magnitude a coefficient may have</source>
        <translation>%1 times 2^%2 is beyond ±%3, the largest magnitude a coefficient may have</translation>
    </message>
    <message>
        <source>the padding</source>
        <translation>the padding</translation>
    </message>
    <message>
        <source>the padding %1 is not a whole number from 0 to %2</source>
        <translation>the padding %1 is not a whole number from 0 to %2</translation>
    </message>
    <message>
        <source>%1 zero taps cannot follow these %2 values</source>
        <translation>%1 zero taps cannot follow these %2 values</translation>
    </message>
    <message>
        <source>%1 is ambiguous where every other line holds one number: a decimal comma, or two values? Write a decimal point, or a blank after the comma</source>
        <translation>%1 is ambiguous where every other line holds one number: a decimal comma, or two values? Write a decimal point, or a blank after the comma</translation>
    </message>
    <message>
        <source>binary content at line %1, column %2</source>
        <translation>binary content at line %1, column %2</translation>
    </message>
</context>
<context>
    <name>CoefficientText</name>
    <message>
        <source>coefficient %1 is beyond ±%2, the largest magnitude a coefficient may have</source>
        <translation>coefficient %1 is beyond ±%2, the largest magnitude a coefficient may have</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Please enter a number greater than %1 and at most %2.</source>
        <translation>Please enter a number greater than %1 and at most %2.</translation>
    </message>
</context>
<context>
    <name>DialogData</name>
    <message>
        <source>Please enter a number greater than %1 and at most 0.5.</source>
        <translation>Please enter a number greater than %1 and at most 0.5.</translation>
    </message>
    <message>
        <source>Please enter 0 for none or a number between %1 and %2.</source>
        <translation>Please enter 0 for none or a number between %1 and %2.</translation>
    </message>
    <message>
        <source>The pass band holds none of the %1 frequency points the design samples; widen it or lengthen the filter.</source>
        <translation>The pass band holds none of the %1 frequency points the design samples; widen it or lengthen the filter.</translation>
    </message>
</context>
<context>
    <name>DisplayData</name>
    <message>
        <source>samples</source>
        <translation>samples</translation>
    </message>
</context>
<context>
    <name>EquirippleDesign</name>
    <message>
        <source>The equiripple design of length %1 does not converge, nor does any shorter one; allow wider transition bands, more ripple or less attenuation.</source>
        <translation>The equiripple design of length %1 does not converge, nor does any shorter one; allow wider transition bands, more ripple or less attenuation.</translation>
    </message>
    <message>
        <source>The equiripple design of length %1 does not converge (its largest error still lies %2% above the levelled one), nor does any shorter one. Try a length near the estimate of %3, wider transition bands, or a ripple and an attenuation closer to each other.</source>
        <translation>The equiripple design of length %1 does not converge (its largest error still lies %2% above the levelled one), nor does any shorter one. Try a length near the estimate of %3, wider transition bands, or a ripple and an attenuation closer to each other.</translation>
    </message>
</context>
<context>
    <name>EquirippleDialogData</name>
    <message>
        <source>Please enter a number greater than %1 and less than %2.</source>
        <translation>Please enter a number greater than %1 and less than %2.</translation>
    </message>
    <message>
        <source>Please enter %1 weights, one for each band, from 1e-06 to 1e+06 and separated by commas, or nothing for the weights of ripple and attenuation.</source>
        <translation>Please enter %1 weights, one for each band, from 1e-06 to 1e+06 and separated by commas, or nothing for the weights of ripple and attenuation.</translation>
    </message>
    <message>
        <source>Please enter a number greater than %1 and at most %2.</source>
        <translation>Please enter a number greater than %1 and at most %2.</translation>
    </message>
    <message>
        <source>This filter type takes no band weights; leave the field empty (a multiband filter&apos;s or differentiator&apos;s weight follows each band&apos;s gain).</source>
        <translation>This filter type takes no band weights; leave the field empty (a multiband filter&apos;s or differentiator&apos;s weight follows each band&apos;s gain).</translation>
    </message>
    <message>
        <source>Please enter 1 to %1 bands separated by &apos;;&apos;, each as F1,F2,GAIN or F1,F2,GAIN,WEIGHT: edges from 0 to %2 with F1 below F2, each band starting above the end of the one before, a gain of size at most 1e+06 and a weight from 1e-06 to 1e+06.</source>
        <translation>Please enter 1 to %1 bands separated by &apos;;&apos;, each as F1,F2,GAIN or F1,F2,GAIN,WEIGHT: edges from 0 to %2 with F1 below F2, each band starting above the end of the one before, a gain of size at most 1e+06 and a weight from 1e-06 to 1e+06.</translation>
    </message>
</context>
<context>
    <name>EquirippleRequest</name>
    <message>
        <source>band edges must increase strictly between 0 and 0.5</source>
        <translation>band edges must increase strictly between 0 and 0.5</translation>
    </message>
    <message>
        <source>No finite filter length meets these conditions.</source>
        <translation>No finite filter length meets these conditions.</translation>
    </message>
    <message>
        <source>The estimated filter length, about %1, exceeds %2; allow a wider transition band, more ripple or less attenuation.</source>
        <translation>The estimated filter length, about %1, exceeds %2; allow a wider transition band, more ripple or less attenuation.</translation>
    </message>
    <message>
        <source>filter length must be 1 to %1</source>
        <translation>filter length must be 1 to %1</translation>
    </message>
    <message>
        <source>ripple must be a positive number of dB</source>
        <translation>ripple must be a positive number of dB</translation>
    </message>
    <message>
        <source>attenuation must be a positive number of dB</source>
        <translation>attenuation must be a positive number of dB</translation>
    </message>
    <message>
        <source>An even length cannot give a high pass filter: its response is zero at half the sampling frequency. Use an odd length, such as %1.</source>
        <translation>An even length cannot give a high pass filter: its response is zero at half the sampling frequency. Use an odd length, such as %1.</translation>
    </message>
    <message>
        <source>An even length cannot give a band elimination filter: its response is zero at half the sampling frequency. Use an odd length, such as %1.</source>
        <translation>An even length cannot give a band elimination filter: its response is zero at half the sampling frequency. Use an odd length, such as %1.</translation>
    </message>
    <message>
        <source>A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use %1 or %2.</source>
        <translation>A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use %1 or %2.</translation>
    </message>
    <message>
        <source>A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use 3.</source>
        <translation>A half-band filter has 3, 7, 11, ... (4k - 1) coefficients. Use 3.</translation>
    </message>
    <message>
        <source>An antisymmetric filter of one coefficient is zero everywhere. Use a length of at least 2.</source>
        <translation>An antisymmetric filter of one coefficient is zero everywhere. Use a length of at least 2.</translation>
    </message>
    <message>
        <source>An even length gives a response that is zero at half the sampling frequency, where a band of gain other than 0 reaches. Use an odd length, such as %1.</source>
        <translation>An even length gives a response that is zero at half the sampling frequency, where a band of gain other than 0 reaches. Use an odd length, such as %1.</translation>
    </message>
    <message>
        <source>An odd length gives an antisymmetric filter that is zero at half the sampling frequency, where its band reaches. Use an even length, such as %1.</source>
        <translation>An odd length gives an antisymmetric filter that is zero at half the sampling frequency, where its band reaches. Use an even length, such as %1.</translation>
    </message>
    <message>
        <source>There is no length estimate for this filter type; choose a length and look at the filter&apos;s properties.</source>
        <translation>There is no length estimate for this filter type; choose a length and look at the filter&apos;s properties.</translation>
    </message>
    <message>
        <source>a band&apos;s gain must be a number of size at most 1e6</source>
        <translation>a band&apos;s gain must be a number of size at most 1e6</translation>
    </message>
    <message>
        <source>a design takes 1 to %1 bands</source>
        <translation>a design takes 1 to %1 bands</translation>
    </message>
    <message>
        <source>a weight must be a positive number</source>
        <translation>a weight must be a positive number</translation>
    </message>
    <message>
        <source>bands must lie within 0 .. 0.5, each ending above its start and before the next begins</source>
        <translation>bands must lie within 0 .. 0.5, each ending above its start and before the next begins</translation>
    </message>
    <message>
        <source>filter type must be 0 to 7</source>
        <translation>filter type must be 0 to 7</translation>
    </message>
    <message>
        <source>only multiband filters and differentiators take bands</source>
        <translation>only multiband filters and differentiators take bands</translation>
    </message>
    <message>
        <source>the pass edge of a half-band filter must lie between 0 and 0.25</source>
        <translation>the pass edge of a half-band filter must lie between 0 and 0.25</translation>
    </message>
    <message>
        <source>this filter type needs %1 band edge(s)</source>
        <translation>this filter type needs %1 band edge(s)</translation>
    </message>
    <message>
        <source>weights: this filter type takes %1, one per band</source>
        <translation>weights: this filter type takes %1, one per band</translation>
    </message>
</context>
<context>
    <name>ExchangeFailure</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ExportName</name>
    <message>
        <source>the name must begin with a letter</source>
        <translation>the name must begin with a letter</translation>
    </message>
    <message>
        <source>the name may hold only letters, digits and underscores</source>
        <translation>the name may hold only letters, digits and underscores</translation>
    </message>
    <message>
        <source>the name may be at most %1 characters long</source>
        <translation>the name may be at most %1 characters long</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a keyword of C or MATLAB</source>
        <translation>&quot;%1&quot; is a keyword of C or MATLAB</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>not enough memory</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>an unexpected failure</source>
        <translation>an unexpected failure</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>it is a symbolic link</translation>
    </message>
    <message>
        <source>cannot open &quot;%1&quot;: %2</source>
        <translation>cannot open &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot read &quot;%1&quot;: %2</source>
        <translation>cannot read &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>cannot write &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot create &quot;%1&quot;: %2</source>
        <translation>cannot create &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>it is larger than %1</source>
        <translation>it is larger than %1</translation>
    </message>
</context>
<context>
    <name>FilterDesign</name>
    <message>
        <source>filter type must be 0 to 3</source>
        <translation>filter type must be 0 to 3</translation>
    </message>
    <message>
        <source>filter length must be 1 to %1</source>
        <translation>filter length must be 1 to %1</translation>
    </message>
    <message>
        <source>low cut-off must be 0 to 0.5</source>
        <translation>low cut-off must be 0 to 0.5</translation>
    </message>
    <message>
        <source>high cut-off must be finite</source>
        <translation>high cut-off must be finite</translation>
    </message>
    <message>
        <source>high cut-off must lie between the low cut-off and 0.5</source>
        <translation>high cut-off must lie between the low cut-off and 0.5</translation>
    </message>
    <message>
        <source>attenuation must be 0 to %1 dB</source>
        <translation>attenuation must be 0 to %1 dB</translation>
    </message>
    <message>
        <source>No finite filter length meets these conditions: an in-band ripple of 0 dB cannot be reached.</source>
        <translation>No finite filter length meets these conditions: an in-band ripple of 0 dB cannot be reached.</translation>
    </message>
    <message>
        <source>No finite filter length meets these conditions.</source>
        <translation>No finite filter length meets these conditions.</translation>
    </message>
    <message>
        <source>The estimated filter length, about %1, exceeds %2; allow a wider transition band, more ripple or less attenuation.</source>
        <translation>The estimated filter length, about %1, exceeds %2; allow a wider transition band, more ripple or less attenuation.</translation>
    </message>
    <message>
        <source>the pass band holds none of the frequency points of the design</source>
        <translation>the pass band holds none of the frequency points of the design</translation>
    </message>
</context>
<context>
    <name>FilterDocFile</name>
    <message>
        <source>an array has a negative element count</source>
        <translation>an array has a negative element count</translation>
    </message>
    <message>
        <source>an element count is larger than the rest of the file</source>
        <translation>an element count is larger than the rest of the file</translation>
    </message>
    <message>
        <source>element %1 of %2</source>
        <translation>element %1 of %2</translation>
    </message>
    <message>
        <source>the low cut-off</source>
        <translation>the low cut-off</translation>
    </message>
    <message>
        <source>the high cut-off</source>
        <translation>the high cut-off</translation>
    </message>
    <message>
        <source>the attenuation</source>
        <translation>the attenuation</translation>
    </message>
    <message>
        <source>the ideal response</source>
        <translation>the ideal response</translation>
    </message>
    <message>
        <source>the coefficients</source>
        <translation>the coefficients</translation>
    </message>
    <message>
        <source>the response</source>
        <translation>the response</translation>
    </message>
    <message>
        <source>%1 is not finite; a document holds finite values only</source>
        <translation>%1 is not finite; a document holds finite values only</translation>
    </message>
    <message>
        <source>not a filter document</source>
        <translation>not a filter document</translation>
    </message>
    <message>
        <source>the file is damaged: %1 is not finite</source>
        <translation>the file is damaged: %1 is not finite</translation>
    </message>
    <message>
        <source>the file announces %1 elements of %2; the workbench takes at most %3</source>
        <translation>the file announces %1 elements of %2; the workbench takes at most %3</translation>
    </message>
</context>
<context>
    <name>FixedPoint</name>
    <message>
        <source>Scaling: none; every coefficient lies within -1 .. 1.</source>
        <translation>Scaling: none; every coefficient lies within -1 .. 1.</translation>
    </message>
    <message>
        <source>Scaling: the coefficients are divided by %1 to fit; multiply the filter&apos;s output by %1.</source>
        <translation>Scaling: the coefficients are divided by %1 to fit; multiply the filter&apos;s output by %1.</translation>
    </message>
    <message>
        <source>Scaling: the coefficients are divided by %1 = %2 to fit; multiply the filter&apos;s output by %2.</source>
        <translation>Scaling: the coefficients are divided by %1 = %2 to fit; multiply the filter&apos;s output by %2.</translation>
    </message>
    <message>
        <source>Peak amplitude response error: %1 (%2 dB against the peak gain), over %3 frequencies from 0 to half the sampling frequency.</source>
        <translation>Peak amplitude response error: %1 (%2 dB against the peak gain), over %3 frequencies from 0 to half the sampling frequency.</translation>
    </message>
    <message>
        <source>Peak amplitude response error: %1, over %2 frequencies from 0 to half the sampling frequency.</source>
        <translation>Peak amplitude response error: %1, over %2 frequencies from 0 to half the sampling frequency.</translation>
    </message>
    <message>
        <source>Format: %1, %2-bit integers standing for integer / 2^%3.</source>
        <translation>Format: %1, %2-bit integers standing for integer / 2^%3.</translation>
    </message>
    <message>
        <source>Rounded to nearest; %1 of %2 values saturated at the format&apos;s limits.</source>
        <translation>Rounded to nearest; %1 of %2 values saturated at the format&apos;s limits.</translation>
    </message>
    <message>
        <source>Largest coefficient error: %1.</source>
        <translation>Largest coefficient error: %1.</translation>
    </message>
    <message>
        <source>Stop-band attenuation: %1 dB (double), %2 dB (%3).</source>
        <translation>Stop-band attenuation: %1 dB (double), %2 dB (%3).</translation>
    </message>
    <message>
        <source>Requirements: %1: %2 (double: %3).</source>
        <translation>Requirements: %1: %2 (double: %3).</translation>
    </message>
    <message>
        <source>coefficients as large as %1 cannot be scaled into Q%2: the scaling or the response they need leaves the range of a double</source>
        <translation>coefficients as large as %1 cannot be scaled into Q%2: the scaling or the response they need leaves the range of a double</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>cannot write the standard output: %1</source>
        <translation>cannot write the standard output: %1</translation>
    </message>
</context>
<context>
    <name>MainFrameTables</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数をﾃｷｽﾄ保存(&amp;T)...</source>
        <translation>Save Coefficients as &amp;Text...</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数をｴｸｽﾎﾟｰﾄ(&amp;E)...</source>
        <translation>&amp;Export Coefficients...</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数をｲﾝﾎﾟｰﾄ(&amp;I)...</source>
        <translation>&amp;Import Coefficients...</translation>
    </message>
    <message>
        <source>表示ﾃﾞｰﾀをCSV保存(&amp;D)...</source>
        <translation>Save &amp;Display Data as CSV...</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌを画像保存(&amp;G)...</source>
        <translation>Save &amp;Graph as Image...</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌ画像をｺﾋﾟｰ(&amp;C)	Ctrl+Shift+C</source>
        <translation>&amp;Copy Graph Image	Ctrl+Shift+C</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>表示データ選択</source>
        <translation>Display Data</translation>
    </message>
    <message>
        <source>インパルス応答</source>
        <translation>Impulse Response</translation>
    </message>
    <message>
        <source>周波数-振幅特性</source>
        <translation>Amplitude Response</translation>
    </message>
    <message>
        <source>周波数-位相特性</source>
        <translation>Phase Response</translation>
    </message>
    <message>
        <source>周波数特性（実部）</source>
        <translation>Frequency Response (Real Part)</translation>
    </message>
    <message>
        <source>周波数特性（虚部）</source>
        <translation>Frequency Response (Imaginary Part)</translation>
    </message>
    <message>
        <source>周波数-群遅延特性</source>
        <translation>Group Delay</translation>
    </message>
    <message>
        <source>ステップ応答</source>
        <translation>Step Response</translation>
    </message>
    <message>
        <source>振幅特性dB表示</source>
        <translation>Amplitude in dB</translation>
    </message>
    <message>
        <source>目盛表示(&amp;G)</source>
        <translation>Scale and &amp;Grid</translation>
    </message>
    <message>
        <source>サンプリング周波数の指定(&amp;R)...</source>
        <translation>Sampling &amp;Rate...</translation>
    </message>
    <message>
        <source>零点表示</source>
        <translation>Show Zeros</translation>
    </message>
    <message>
        <source>フィルタ特性の測定(&amp;P)...</source>
        <translation>Filter &amp;Properties...</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ﾂｰﾙ(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ長の推定(&amp;L)...</source>
        <translation>Estimate Filter &amp;Length...</translation>
    </message>
    <message>
        <source>通過帯域の指定(&amp;F)...</source>
        <translation>Design &amp;Filter by Pass Band...</translation>
    </message>
    <message>
        <source>等リップル設計(&amp;E)...</source>
        <translation>&amp;Equiripple Design...</translation>
    </message>
    <message>
        <source>最小位相化(&amp;M)</source>
        <translation>Convert to &amp;Minimum Phase</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(Filter) (&amp;A)...</source>
        <translation>&amp;About Filter...</translation>
    </message>
    <message>
        <source>設計条件からフィルタ長を推定します</source>
        <translation>Estimates the filter length the design conditions need</translation>
    </message>
    <message>
        <source>指定された通過帯域を持つフィルタを設計します</source>
        <translation>Designs a filter with the given pass band</translation>
    </message>
    <message>
        <source>通過域と阻止域の誤差が等リップルになるフィルタを設計します</source>
        <translation>Designs a filter whose error ripples evenly in the pass and stop bands</translation>
    </message>
    <message>
        <source>新規にﾌｧｲﾙを作成
新規ﾌｧｲﾙ</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>既存のﾌｧｲﾙを開く
開く</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを保存
保存</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙに名前を付けて保存
名前をつけて保存</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀ/印刷設定の変更
ﾌﾟﾘﾝﾀの設定</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを印刷
印刷</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>ﾌﾙｽｸﾘｰﾝで表示
印刷ﾌﾟﾚﾋﾞｭｰ</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示
終了</source>
        <translation>Quit the application; prompts to save the document
Exit</translation>
    </message>
    <message>
        <source>次のｳｨﾝﾄﾞｳに切り替える
次ﾍﾟｰｼﾞ</source>
        <translation>Switch to the next window pane
Next Pane</translation>
    </message>
    <message>
        <source>前のｳｨﾝﾄﾞｳに切り替える
前ﾍﾟｰｼﾞ</source>
        <translation>Switch back to the previous window pane
Previous Pane</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの表示/非表示
ﾂｰﾙ ﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
    <message>
        <source>ﾌｨﾙﾀ係数を全精度ﾃｷｽﾄ、CSV、固定小数点やDSPﾗｲﾌﾞﾗﾘ用のﾍｯﾀﾞに保存
ｴｸｽﾎﾟｰﾄ</source>
        <translation>Save the coefficients as full-precision text, CSV, or a fixed-point or DSP library header
Export</translation>
    </message>
    <message>
        <source>ﾃｷｽﾄﾌｧｲﾙからﾌｨﾙﾀ係数を読み込む
ｲﾝﾎﾟｰﾄ</source>
        <translation>Read filter coefficients from a text file
Import</translation>
    </message>
    <message>
        <source>表示中のﾃﾞｰﾀをCSVﾌｧｲﾙに保存
表示ﾃﾞｰﾀの保存</source>
        <translation>Save the data shown as a CSV file
Save Display Data</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌをPNGまたはSVGの画像ﾌｧｲﾙに保存
画像保存</source>
        <translation>Save the graph as a PNG or SVG image file
Save Image</translation>
    </message>
    <message>
        <source>ｸﾞﾗﾌの画像をｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰ
画像のｺﾋﾟｰ</source>
        <translation>Copy the graph&apos;s image to the clipboard
Copy Image</translation>
    </message>
    <message>
        <source>周波数ごとの群遅延をサンプル数で表示します</source>
        <translation>Shows the group delay at each frequency, in samples</translation>
    </message>
    <message>
        <source>係数の累積和であるステップ応答を表示します</source>
        <translation>Shows the step response, the running sum of the coefficients</translation>
    </message>
    <message>
        <source>グラフに目盛と数値を表示し、マウス位置の値を読み取ります
目盛表示</source>
        <translation>Shows a scale with values on the graph and reads the value under the mouse
Scale</translation>
    </message>
    <message>
        <source>周波数と時間の表示に使うサンプリング周波数を指定します</source>
        <translation>Sets the sampling frequency in which frequencies and times are shown</translation>
    </message>
    <message>
        <source>フィルタのリップル、減衰量、帯域端などを測定して表示します</source>
        <translation>Measures and shows the filter&apos;s ripple, attenuation, band edges and more</translation>
    </message>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>ｶﾅ</source>
        <translation>KANA</translation>
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
        <translation>Filter Re&amp;quirements...</translation>
    </message>
    <message>
        <source>フィルタが満たすべき帯域端、リップル、減衰量を表示し変更します</source>
        <translation>Shows and changes the band edges, ripple and attenuation the filter must meet</translation>
    </message>
</context>
<context>
    <name>MeasurementReport</name>
    <message>
        <source>low pass</source>
        <translation>low pass</translation>
    </message>
    <message>
        <source>high pass</source>
        <translation>high pass</translation>
    </message>
    <message>
        <source>band pass</source>
        <translation>band pass</translation>
    </message>
    <message>
        <source>band elimination</source>
        <translation>band elimination</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1, ... (%2 in all)</source>
        <translation>%1, ... (%2 in all)</translation>
    </message>
    <message>
        <source>not reached</source>
        <translation>not reached</translation>
    </message>
    <message>
        <source>%1 dB</source>
        <translation>%1 dB</translation>
    </message>
    <message>
        <source>type</source>
        <translation>type</translation>
    </message>
    <message>
        <source>low cut-off</source>
        <translation>low cut-off</translation>
    </message>
    <message>
        <source>high cut-off</source>
        <translation>high cut-off</translation>
    </message>
    <message>
        <source>Kaiser beta</source>
        <translation>Kaiser beta</translation>
    </message>
    <message>
        <source>pass-band ripple</source>
        <translation>pass-band ripple</translation>
    </message>
    <message>
        <source>pass-band deviation</source>
        <translation>pass-band deviation</translation>
    </message>
    <message>
        <source>stop-band attenuation</source>
        <translation>stop-band attenuation</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 samples</translation>
    </message>
    <message>
        <source>%1 samples (%2)</source>
        <translation>%1 samples (%2)</translation>
    </message>
    <message>
        <source>%1, constant</source>
        <translation>%1, constant</translation>
    </message>
    <message>
        <source>%1 to %2 within 3 dB of the largest amplitude</source>
        <translation>%1 to %2 within 3 dB of the largest amplitude</translation>
    </message>
    <message>
        <source>undefined within 3 dB of the largest amplitude</source>
        <translation>undefined within 3 dB of the largest amplitude</translation>
    </message>
    <message>
        <source>Kaiser window</source>
        <translation>Kaiser window</translation>
    </message>
    <message>
        <source>equiripple (Parks-McClellan)</source>
        <translation>equiripple (Parks-McClellan)</translation>
    </message>
    <message>
        <source>length</source>
        <translation>length</translation>
    </message>
    <message>
        <source>design</source>
        <translation>design</translation>
    </message>
    <message>
        <source>-3 dB edges</source>
        <translation>-3 dB edges</translation>
    </message>
    <message>
        <source>-6 dB edges</source>
        <translation>-6 dB edges</translation>
    </message>
    <message>
        <source>transition width</source>
        <translation>transition width</translation>
    </message>
    <message>
        <source>DC gain</source>
        <translation>DC gain</translation>
    </message>
    <message>
        <source>sum of |h|</source>
        <translation>sum of |h|</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>yes (linear phase)</source>
        <translation>yes (linear phase)</translation>
    </message>
    <message>
        <source>antisymmetric (linear phase)</source>
        <translation>antisymmetric (linear phase)</translation>
    </message>
    <message>
        <source>symmetric</source>
        <translation>symmetric</translation>
    </message>
    <message>
        <source>group delay</source>
        <translation>group delay</translation>
    </message>
    <message>
        <source>not designed here (the coefficients were written, converted to minimum phase or loaded)</source>
        <translation>not designed here (the coefficients were written, converted to minimum phase or loaded)</translation>
    </message>
    <message>
        <source>unknown: the filter has no requirements</source>
        <translation>unknown: the filter has no requirements</translation>
    </message>
    <message>
        <source>meets</source>
        <translation>meets</translation>
    </message>
    <message>
        <source>misses by %1 dB at %2</source>
        <translation>misses by %1 dB at %2</translation>
    </message>
    <message>
        <source>design attenuation</source>
        <translation>design attenuation</translation>
    </message>
    <message>
        <source>%1 dB peak-to-peak, from %2 dB at %3 to %4 dB at %5</source>
        <translation>%1 dB peak-to-peak, from %2 dB at %3 to %4 dB at %5</translation>
    </message>
    <message>
        <source>%1; misses the asked %2 dB by %3 dB</source>
        <translation>%1; misses the asked %2 dB by %3 dB</translation>
    </message>
    <message>
        <source>%1; meets the asked %2 dB</source>
        <translation>%1; meets the asked %2 dB</translation>
    </message>
    <message>
        <source>%1 dB from 0 dB at %2; %3</source>
        <translation>%1 dB from 0 dB at %2; %3</translation>
    </message>
    <message>
        <source>%1 dB at %2, %3 dB asked; %4</source>
        <translation>%1 dB at %2, %3 dB asked; %4</translation>
    </message>
    <message>
        <source>requirements</source>
        <translation>requirements</translation>
    </message>
    <message>
        <source>verdict</source>
        <translation>verdict</translation>
    </message>
    <message>
        <source>%1; %2 dB below the peak gain of %3 dB at %4</source>
        <translation>%1; %2 dB below the peak gain of %3 dB at %4</translation>
    </message>
    <message>
        <source>%1 by %2 dB at %3</source>
        <translation>%1 by %2 dB at %3</translation>
    </message>
    <message>
        <source>Meets the requirements</source>
        <translation>Meets the requirements</translation>
    </message>
    <message>
        <source>pass band</source>
        <translation>pass band</translation>
    </message>
    <message>
        <source>stop band</source>
        <translation>stop band</translation>
    </message>
    <message>
        <source>Misses: %1</source>
        <translation>Misses: %1</translation>
    </message>
    <message>
        <source>meets the requirements</source>
        <translation>meets the requirements</translation>
    </message>
    <message>
        <source>%1 misses by %2 dB at %3</source>
        <translation>%1 misses by %2 dB at %3</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>pass band: %1</source>
        <translation>pass band: %1</translation>
    </message>
    <message>
        <source>stop band: %1</source>
        <translation>stop band: %1</translation>
    </message>
    <message>
        <source>%1 %2 .. %3</source>
        <translation>%1 %2 .. %3</translation>
    </message>
    <message>
        <source>%1; %2; ripple %3 dB; attenuation %4 dB</source>
        <translation>%1; %2; ripple %3 dB; attenuation %4 dB</translation>
    </message>
    <message>
        <source>multiband</source>
        <translation>multiband</translation>
    </message>
    <message>
        <source>differentiator</source>
        <translation>differentiator</translation>
    </message>
    <message>
        <source>Hilbert transformer</source>
        <translation>Hilbert transformer</translation>
    </message>
    <message>
        <source>half-band low pass</source>
        <translation>half-band low pass</translation>
    </message>
    <message>
        <source>none: no pass band lies beside a stop band</source>
        <translation>none: no pass band lies beside a stop band</translation>
    </message>
    <message>
        <source>%1 dB from the band&apos;s gain at %2; %3</source>
        <translation>%1 dB from the band&apos;s gain at %2; %3</translation>
    </message>
    <message>
        <source>%1 gain f times %2</source>
        <translation>%1 gain f times %2</translation>
    </message>
    <message>
        <source>%1 gain %2</source>
        <translation>%1 gain %2</translation>
    </message>
    <message>
        <source>design error</source>
        <translation>design error</translation>
    </message>
    <message>
        <source>at the rounding floor: double coefficients cannot hold a smaller error; the figures below are what they reach</source>
        <translation>at the rounding floor: double coefficients cannot hold a smaller error; the figures below are what they reach</translation>
    </message>
</context>
<context>
    <name>NpyFormat</name>
    <message>
        <source>not a NumPy array of coefficients: %1</source>
        <translation>not a NumPy array of coefficients: %1</translation>
    </message>
    <message>
        <source>the shape %1 is not that of a list of numbers</source>
        <translation>the shape %1 is not that of a list of numbers</translation>
    </message>
    <message>
        <source>the file does not begin as a .npy file does</source>
        <translation>the file does not begin as a .npy file does</translation>
    </message>
    <message>
        <source>version %1 of the format is not known</source>
        <translation>version %1 of the format is not known</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>the file ends inside its header</translation>
    </message>
    <message>
        <source>its header is longer than %1 bytes</source>
        <translation>its header is longer than %1 bytes</translation>
    </message>
    <message>
        <source>its elements are not float64 or float32</source>
        <translation>its elements are not float64 or float32</translation>
    </message>
    <message>
        <source>its header gives no order or shape</source>
        <translation>its header gives no order or shape</translation>
    </message>
    <message>
        <source>it holds %1 values, not 1 to %2</source>
        <translation>it holds %1 values, not 1 to %2</translation>
    </message>
    <message>
        <source>its data part is %1 bytes long where its header announces %2</source>
        <translation>its data part is %1 bytes long where its header announces %2</translation>
    </message>
    <message>
        <source>value %1 is not finite</source>
        <translation>value %1 is not finite</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Save Image</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>The printer %1 cannot be opened.</source>
        <translation>The printer %1 cannot be opened.</translation>
    </message>
    <message>
        <source>The printout cannot be written to &quot;%1&quot;.</source>
        <translation>The printout cannot be written to &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>RecordFile</name>
    <message>
        <source>more than 65535 records cannot be counted in 16 bits</source>
        <translation>more than 65535 records cannot be counted in 16 bits</translation>
    </message>
    <message>
        <source>the file is too short to hold a count</source>
        <translation>the file is too short to hold a count</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: the file is too short to hold a count</source>
        <translation>&quot;%1&quot;: the file is too short to hold a count</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>a band filter needs 4 band edges</source>
        <translation>a band filter needs 4 band edges</translation>
    </message>
    <message>
        <source>this filter type needs 2 band edges</source>
        <translation>this filter type needs 2 band edges</translation>
    </message>
    <message>
        <source>band edges must lie within 0 .. 0.5, none below the one before</source>
        <translation>band edges must lie within 0 .. 0.5, none below the one before</translation>
    </message>
    <message>
        <source>the pass-band ripple must be above 0 and at most %1 dB</source>
        <translation>the pass-band ripple must be above 0 and at most %1 dB</translation>
    </message>
    <message>
        <source>the stop-band attenuation must be 0 to %1 dB</source>
        <translation>the stop-band attenuation must be 0 to %1 dB</translation>
    </message>
    <message>
        <source>the cut-offs must lie within 0 .. 0.5, the high one above the low one</source>
        <translation>the cut-offs must lie within 0 .. 0.5, the high one above the low one</translation>
    </message>
    <message>
        <source>a transition width, ripple and attenuation must be positive</source>
        <translation>a transition width, ripple and attenuation must be positive</translation>
    </message>
    <message>
        <source>this filter type needs 1 to %1 bands, two edges and a gain each</source>
        <translation>this filter type needs 1 to %1 bands, two edges and a gain each</translation>
    </message>
    <message>
        <source>bands must lie within 0 .. 0.5, each ending above its start, none before the one below</source>
        <translation>bands must lie within 0 .. 0.5, each ending above its start, none before the one below</translation>
    </message>
    <message>
        <source>a band&apos;s gain must be a finite number of at least 0</source>
        <translation>a band&apos;s gain must be a finite number of at least 0</translation>
    </message>
    <message>
        <source>only multiband filters, differentiators and Hilbert transformers take gains</source>
        <translation>only multiband filters, differentiators and Hilbert transformers take gains</translation>
    </message>
    <message>
        <source>filter type must be 0 to 6</source>
        <translation>filter type must be 0 to 6</translation>
    </message>
</context>
<context>
    <name>RequirementsDialogData</name>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Please enter a number between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>RequirementsFile</name>
    <message>
        <source>the field &quot;%1&quot; is missing or not a number</source>
        <translation>the field &quot;%1&quot; is missing or not a number</translation>
    </message>
    <message>
        <source>not a requirements file</source>
        <translation>not a requirements file</translation>
    </message>
    <message>
        <source>a version of the requirements file this program does not know</source>
        <translation>a version of the requirements file this program does not know</translation>
    </message>
    <message>
        <source>a band edge is not a number</source>
        <translation>a band edge is not a number</translation>
    </message>
    <message>
        <source>not a JSON object</source>
        <translation>not a JSON object</translation>
    </message>
    <message>
        <source>the field &quot;%1&quot; is missing or not a list</source>
        <translation>the field &quot;%1&quot; is missing or not a list</translation>
    </message>
    <message>
        <source>the field &quot;type&quot; is not lowpass, highpass, bandpass, bandstop, multiband, differentiator or hilbert</source>
        <translation>the field &quot;type&quot; is not lowpass, highpass, bandpass, bandstop, multiband, differentiator or hilbert</translation>
    </message>
    <message>
        <source>a band&apos;s gain is not a number</source>
        <translation>a band&apos;s gain is not a number</translation>
    </message>
</context>
<context>
    <name>ShortestLengthButton</name>
    <message>
        <source>The shortest length whose filter meets the requirements</source>
        <translation>The shortest length whose filter meets the requirements</translation>
    </message>
</context>
<context>
    <name>WordFormats</name>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>a comment is not closed</source>
        <translation>a comment is not closed</translation>
    </message>
    <message>
        <source>the word length or scale shift of the comment is out of range</source>
        <translation>the word length or scale shift of the comment is out of range</translation>
    </message>
    <message>
        <source>%1 where &quot;%2&quot; was expected</source>
        <translation>%1 where &quot;%2&quot; was expected</translation>
    </message>
    <message>
        <source>more than %1 values</source>
        <translation>more than %1 values</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 is not a whole number</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a word of %2 bits</source>
        <translation>&quot;%1&quot; is not a word of %2 bits</translation>
    </message>
    <message>
        <source>the radix %1 is not read; only 10 and 16 are</source>
        <translation>the radix %1 is not read; only 10 and 16 are</translation>
    </message>
    <message>
        <source>the statement %1 is not ended by &quot;;&quot;</source>
        <translation>the statement %1 is not ended by &quot;;&quot;</translation>
    </message>
    <message>
        <source>there is no &quot;CONTENT BEGIN&quot;</source>
        <translation>there is no &quot;CONTENT BEGIN&quot;</translation>
    </message>
    <message>
        <source>the width %1 is not %2 to %3 bits</source>
        <translation>the width %1 is not %2 to %3 bits</translation>
    </message>
    <message>
        <source>the depth %1 is not 1 to %2</source>
        <translation>the depth %1 is not 1 to %2</translation>
    </message>
    <message>
        <source>the radix %1 is not known</source>
        <translation>the radix %1 is not known</translation>
    </message>
    <message>
        <source>WIDTH and DEPTH must come before the content</source>
        <translation>WIDTH and DEPTH must come before the content</translation>
    </message>
    <message>
        <source>the content is not ended by &quot;END;&quot;</source>
        <translation>the content is not ended by &quot;END;&quot;</translation>
    </message>
    <message>
        <source>address %1 is given no value</source>
        <translation>address %1 is given no value</translation>
    </message>
    <message>
        <source>%1 is not a range of addresses</source>
        <translation>%1 is not a range of addresses</translation>
    </message>
    <message>
        <source>the entry is not ended by &quot;;&quot;</source>
        <translation>the entry is not ended by &quot;;&quot;</translation>
    </message>
    <message>
        <source>address %1 is outside the depth or given twice</source>
        <translation>address %1 is outside the depth or given twice</translation>
    </message>
    <message>
        <source>addresses (%1) are not read</source>
        <translation>addresses (%1) are not read</translation>
    </message>
    <message>
        <source>the file holds no value</source>
        <translation>the file holds no value</translation>
    </message>
    <message>
        <source>the file does not state its word length (filter-cli: --bits)</source>
        <translation>the file does not state its word length (filter-cli: --bits)</translation>
    </message>
</context>
<context>
    <name>WorkbenchCommandLine</name>
    <message>
        <source>FIR filter design workbench: designs filters by the window method or as equiripple filters and shows their responses and zeros.</source>
        <translation>FIR filter design workbench: designs filters by the window method or as equiripple filters and shows their responses and zeros.</translation>
    </message>
    <message>
        <source>Show the workbench in &lt;language&gt;: ja (Japanese) or en (English). Without this option the first of the user&apos;s languages decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Japanese for ja and where no locale is set, English for any other.</source>
        <translation>Show the workbench in &lt;language&gt;: ja (Japanese) or en (English). Without this option the first of the user&apos;s languages decides (LANGUAGE, LC_ALL, LC_MESSAGES, LANG): Japanese for ja and where no locale is set, English for any other.</translation>
    </message>
    <message>
        <source>language</source>
        <translation>language</translation>
    </message>
    <message>
        <source>document</source>
        <translation>document</translation>
    </message>
    <message>
        <source>The filter document to open; without one the workbench starts with a new document.</source>
        <translation>The filter document to open; without one the workbench starts with a new document.</translation>
    </message>
    <message>
        <source>[document]</source>
        <translation>[document]</translation>
    </message>
    <message>
        <source>Unknown language &quot;%1&quot;: use ja or en.</source>
        <translation>Unknown language &quot;%1&quot;: use ja or en.</translation>
    </message>
    <message>
        <source>Give one document at most.</source>
        <translation>Give one document at most.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>no display available; start it in a graphical session (DISPLAY or WAYLAND_DISPLAY set) or set QT_QPA_PLATFORM</source>
        <translation>no display available; start it in a graphical session (DISPLAY or WAYLAND_DISPLAY set) or set QT_QPA_PLATFORM</translation>
    </message>
</context>
</TS>
