// The seams between the claim document and the world outside it. The Qt layer implements them;
// tests use recording fakes. Every text is Windows-1252; paths, and the title (which names the
// file and is saved to), are file-system strings.
#pragma once

#include <optional>
#include <string>

#include "claim/messages.h"
#include "claim/traveller.h"

namespace ferdix {

// What the document needs from the application around it.
class IClaimHost {
  public:
    virtual ~IClaimHost() = default;

    virtual MsgAnswer ShowMessage(const MessageRequest& request) = 0;
    // False while no main window exists (the status total is then not shown).
    virtual bool HasMainWindow() const { return true; }
    // Status-bar pane 1: the claim's net amount.
    virtual void SetStatusTotal(const std::string& text) = 0;
    // The document's title changed (the caption shows it).
    virtual void TitleChanged(const std::string& title) { (void)title; }
    // The chosen full path, or nothing on Cancel.
    virtual std::optional<std::string> AskFilePath(const FileDialogRequest& request) {
        (void)request;
        return std::nullopt;
    }
    virtual void AddToRecentFiles(const std::string& path) { (void)path; }
};

// What the document needs from its form view.
class IClaimView {
  public:
    virtual ~IClaimView() = default;

    virtual void ClearForm() {}
    virtual void RefreshForm() {}
    // While loading, refreshing the fields must not write back into the claim.
    virtual void SetLoading(bool loading) { (void)loading; }
    // Shows the form for a new or opened claim.
    virtual void InitialiseForm() {}
    // The field being edited hands its text to the claim as leaving it would; the focus stays.
    virtual void HandOverFocus() {}
    // The same for the recovery copy while the user types: only what can be stored without a
    // word and without changing the field.
    virtual void HandOverTextInProgress() {}
    // Puts a text read from the profile into the form's field of that traveller value.
    virtual void ShowTravellerField(TravellerField field, const std::string& text) {
        (void)field;
        (void)text;
    }
    // The car rows follow a changed figure of kilometres so far this year.
    virtual void RecomputeMileageRows() {}
    // Sets every label in the written standard in force.
    virtual void RelabelForm() {}
};

}  // namespace ferdix
