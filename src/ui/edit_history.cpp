#include "ui/edit_history.h"

#include <QTimer>

namespace mv52 {

StepName controlStepName(const ControlRow& row) {
    return [label = row.label](LanguageIndex language) {
        const std::string caption = label ? label(language) : std::string();
        return caption.empty() ? text(EditText::EditStep, language) : caption;
    };
}

StepName stepNameOf(EditText key, StepName inner, std::string argument) {
    return [key, inner = std::move(inner), argument = std::move(argument)](LanguageIndex language) {
        return editText(key, language, inner(language), argument);
    };
}

StepName stepNameOf(EditText key, std::string argument) {
    return [key, argument = std::move(argument)](LanguageIndex language) { return editText(key, language, argument); };
}

EditHistory::EditHistory(DocumentHistory& history, Document& document, QObject* parent)
    : QObject(parent), history_(history), document_(document) {}

NoteEdit EditHistory::noter() {
    return [this](StepName name, std::string mergeKey) { note(std::move(name), std::move(mergeKey)); };
}

void EditHistory::note(StepName name, std::string mergeKey) {
    pendingName_ = std::move(name);
    pendingKey_ = std::move(mergeKey);
    if (pending_) return;
    pending_ = true;
    QTimer::singleShot(0, this, [this] { flush(); });
}

void EditHistory::flush() {
    if (!pending_) return;
    pending_ = false;
    history_.record(document_, std::move(pendingName_), pendingKey_);
    pendingName_ = {};
    if (changed_) changed_();
}

void EditHistory::reset() {
    pending_ = false;
    history_.reset(document_);
    if (changed_) changed_();
}

StepPlace EditHistory::undo() {
    flush();
    const StepPlace place = history_.undo(document_);
    if (changed_) changed_();
    return place;
}

StepPlace EditHistory::redo() {
    flush();
    const StepPlace place = history_.redo(document_);
    if (changed_) changed_();
    return place;
}

}  // namespace mv52
