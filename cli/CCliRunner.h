#pragma once

#include "CCliUi.h"
#include "CFilterDoc.h"
#include "CommandLine.h"
#include "ExchangeFolder.h"

#include <functional>
#include <memory>

#include <ostream>

// Runs filter-cli's steps on one filter document, writing what they print to out.
class CCliRunner {
public:
    explicit CCliRunner(std::ostream& out);
    // Opens the document (if named) and runs the steps in order, stopping at the first
    // that fails. Returns its message, prefixed by the step's option; empty when all ran.
    std::string Run(const CCliCommand& command);
    // True when the step that stopped the run was a --check the filter failed.
    bool MissedRequirements() const { return m_bMissed; }

private:
    // Runs one step and says why it failed; empty when it ran and its output was written.
    std::string RunGuarded(const CCliStep& step);
    // Runs one step; a failure is recorded in m_ui.
    void RunStep(const CCliStep& step);
    void Command(int id) { m_doc.OnCmdMsg(id, nullptr); }
    bool NeedFilter();
    void PrintInfo();
    void PrintDisplay();
    // Runs work (a step that exchanges files with the root finder) in the exchange folder;
    // a folder that cannot be made or entered is the step's failure.
    void InExchangeFolder(const std::function<void()>& work);
    void PrintZeros();
    void PrintMeasurement();
    // Runs design command id and prints the length it found when it looked for the shortest.
    void Design(int id);
    void Check();
    void SetSampleRate(const std::string& text);
    void PrintEquirippleEstimate();
    void Estimate(const CLengthEstimateTexts& texts);
    void Save(const std::string& path);
    void ExportText(const std::string& path);
    void Export(const std::string& format, const std::string& path);
    void ExportResponse(const std::string& path);

    std::ostream& m_out;
    CCliUi m_ui;
    CFilterDoc m_doc;
    // --exchange-dir's folder, else a private temporary one.
    std::unique_ptr<CExchangeFolder> m_exchange;
    bool m_bMissed = false;
    bool m_bJson = false;  // the steps print JSON documents (--json)
};

// Flushes out: empty when all written to it so far was taken, else the reason, as
// "cannot write the standard output: <the system's reason>".
std::string FlushOutput(std::ostream& out);
