#pragma once

#include "CoefficientExport.h"
#include "CWaitable.h"
#include "DialogData.h"
#include "EquirippleDialogData.h"
#include "Requirements.h"
#include "ShortestButton.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class CProcessHandle;
struct CRootFinderProgress;
struct CFilterMeasurement;

// A long computation as the user follows it; it ends when the object is destroyed.
class CWorkProgress {
public:
    virtual ~CWorkProgress() = default;
    // Says what the work does now; false when the user asked to stop it.
    virtual bool Continue(const std::string& status) = 0;
};

// What the filter document's commands ask of the user and tell the user. The workbench
// answers with its dialogs, cursor and status bar; filter-cli and the tests without any.
class CFilterUi {
public:
    virtual ~CFilterUi() = default;

    // Runs the pass-band dialog opened on data. True when the user confirmed and data
    // holds the values read by ReadPassBand; false when cancelled. Its Shortest button
    // asks shortest for a length.
    virtual bool DoPassBandDialog(CPassBandData& data, const CPassBandShortest& shortest) = 0;
    // Runs the length-estimation dialog opened on data, as above with ReadLengthEstimate.
    virtual bool DoLengthEstimateDialog(CLengthEstimateData& data) = 0;
    // Designs the filter of the values the equiripple dialog read: empty when it was
    // designed, else why not.
    using CEquirippleAttempt = std::function<std::string(const CEquirippleData&)>;
    // Runs the equiripple dialog opened on data, as above with ReadEquiripple; values that
    // pass are handed to design, and a failure is told while the dialog stays open with
    // what was typed. True when design succeeded and data holds its values; false when
    // cancelled (or, without a user to ask again, when design failed). Its Shortest
    // button asks shortest for a length.
    virtual bool DoEquirippleDialog(
        CEquirippleData& data, const CEquirippleShortest& shortest, const CEquirippleAttempt& design) = 0;
    // Runs the requirements dialog opened on requirements, as above with ReadRequirements.
    virtual bool DoRequirementsDialog(CRequirements& requirements) = 0;
    // Asks for the file of an export: a save dialog starting at defaultName that asks
    // before overwriting. Empty when cancelled.
    virtual std::string AskTextExportPath(const std::string& defaultName) = 0;
    // Runs the coefficient export dialog opened on choice, which shows what each format
    // does to coefficients (judged against the requirements, if any). True when the user
    // confirmed and choice holds the format and block size; false when cancelled.
    virtual bool DoExportDialog(const CRealArray& coefficients, const std::optional<CRequirements>& requirements,
        CCoefficientExportChoice& choice) = 0;
    // Asks for the text file to import coefficients from. Empty when cancelled.
    virtual std::string AskImportPath() = 0;
    // The word length (kMinWordBits .. kMaxWordBits) to read the file of words at path
    // with, asked only when the file (coe, hex) does not state its own; nullopt leaves the
    // file unread. A user is asked, and cancelling says nothing more. Without one to ask:
    // the length given beforehand, or else refusal (why the file was not read) is shown.
    virtual std::optional<int> AskImportWordBits([[maybe_unused]] const std::string& path, const std::string& refusal)
    {
        ShowError(refusal);
        return std::nullopt;
    }
    // Tells that the file at path holds count coefficients; true when they are to be
    // installed.
    virtual bool ConfirmImport(const std::string& path, int count) = 0;
    // Waits, without a time limit, until the root finder has ended. False when the user
    // gave up waiting; the caller then ends the process.
    virtual bool WaitForRootFinder(CProcessHandle& process) = 0;
    // How far the root finder has come, told while WaitForRootFinder waits (from within
    // the process handle's wait) whenever it reports. Without a user to tell, nothing.
    virtual void ShowRootFinderProgress(const CRootFinderProgress&) {}
    // Waits, without a time limit, until another root finding in the same folder has
    // ended (lock.WaitFor reports it), in the same way as for the root finder. False when
    // the user gave up waiting. Without a user to ask, it simply waits.
    virtual bool WaitForExchange(CWaitable& lock) { return lock.WaitFor(-1); }
    // A failure the user must acknowledge (a message box).
    virtual void ShowError(const std::string& message) = 0;
    // A failure told in passing (the status bar's message pane).
    virtual void ShowStatusError(const std::string& message) = 0;
    // A result told in passing (the length estimate; not a failure), kept in view until
    // the next one. An empty message takes it away, as every change of the coefficients
    // does (the document tells one then).
    virtual void ShowStatus(const std::string& message) = 0;
    // Shows the measurements of the current coefficients (the Filter Properties dialog).
    virtual void ShowFilterProperties(const CFilterMeasurement& measurement) = 0;
    // Starts following a long computation titled title. The workbench shows its progress,
    // with a way to stop it, once it has run for kWorkProgressDelayMs; without a user to ask
    // the work simply runs to its end.
    virtual std::unique_ptr<CWorkProgress> BeginWork(const std::string& title);
    // The sampling frequency the user works with, in Hz; 0 for none (frequencies as
    // fractions of the sampling frequency, times in samples).
    virtual double SampleRate() const = 0;

    static constexpr int kWorkProgressDelayMs = 500;
};
