#pragma once
// The windows' side of the document history. An editor reports each user action as it
// finishes; the step is recorded when control returns to the event loop, so that the rules an
// action sets off in other windows (a roger entry that cleans the channels' references, say)
// join the action's own step. The last report before then names the step: the action that
// started it reports after the windows it set off.

#include <QObject>
#include <functional>
#include <string>

#include "document/control_row.h"
#include "document/document_history.h"
#include "lang/edit_texts.h"

namespace mv52 {

struct Document;

// How an editor reports a finished action: the step's name, and a key that joins it to the
// previous step with the same key (key by key typing into one box).
using NoteEdit = std::function<void(StepName name, std::string mergeKey)>;

// The caption of a control ("TOT"), or "Edit" for a control without one.
StepName controlStepName(const ControlRow& row);
// `key` filled with the name of `inner` and `argument` ("Mode of CH 7"), or with `argument`
// alone ("Paste into CH 3").
StepName stepNameOf(EditText key, StepName inner, std::string argument);
StepName stepNameOf(EditText key, std::string argument);

class EditHistory final : public QObject {
public:
    EditHistory(DocumentHistory& history, Document& document, QObject* parent);

    NoteEdit noter();
    void note(StepName name, std::string mergeKey);
    // Records the reported action now.
    void flush();
    // A fresh history from the document as it is.
    void reset();
    StepPlace undo();
    StepPlace redo();
    const DocumentHistory& history() const { return history_; }

    // Runs after every change of what undo and redo would do.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    DocumentHistory& history_;
    Document& document_;
    StepName pendingName_;
    std::string pendingKey_;
    bool pending_ = false;
    std::function<void()> changed_;
};

}  // namespace mv52
