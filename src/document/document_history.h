#pragma once
// The document's undo history. Each user action, with every rule it ran, is one step that
// undo reverts whole and redo repeats. A step keeps only the bytes the action changed (before
// and after), found by comparing the document with a copy taken at the previous step, so a
// choice that rewrites one field costs a few bytes and a rule over every channel a few
// kilobytes. Which group and row the channel window shows is not part of a step: undo never
// moves the view back, it selects what changed.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lang/language.h"

namespace mv52 {

struct Document;

// The name of a step in either language ("Mode of CH 7").
using StepName = std::function<std::string(LanguageIndex)>;

// The first channel a step changed, for the channel window to select.
struct StepPlace {
    bool channel = false;
    int workMode = 0;
    int group = 0;
    int channelNumber = 0;
    bool operator==(const StepPlace&) const = default;
};

class DocumentHistory {
public:
    // Older steps are dropped once the steps together hold more than this.
    static constexpr std::size_t kMemoryLimit = 10u * 1024u * 1024u;

    DocumentHistory();
    ~DocumentHistory();
    DocumentHistory(const DocumentHistory&) = delete;
    DocumentHistory& operator=(const DocumentHistory&) = delete;

    // A fresh history from `doc` (a new document, an opened file, a completed read).
    void reset(const Document& doc);

    // Records what changed in `doc` since the last step as one step. A step whose non-empty
    // `mergeKey` equals that of the last step joins it (key by key typing into one box).
    // False when nothing changed.
    bool record(const Document& doc, StepName name, std::string_view mergeKey = {});

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The name of the step undo or redo would take; empty when there is none.
    std::string undoName(LanguageIndex language) const;
    std::string redoName(LanguageIndex language) const;

    // Reverts the last step in `doc` (changes not yet recorded become a step first) and
    // returns where it was; nothing happens without a step.
    StepPlace undo(Document& doc);
    StepPlace redo(Document& doc);

    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }
    // What the steps hold, bookkeeping included.
    std::size_t memoryBytes() const { return memory_; }

private:
    struct Run {
        std::uint32_t offset;
        std::uint32_t length;
    };
    struct Step {
        StepName name;
        std::string mergeKey;
        std::vector<Run> runs;
        std::vector<std::uint8_t> before;  // the runs' bytes before the step, one after another
        std::vector<std::uint8_t> after;
        StepPlace place;
        std::size_t bytes() const;
    };

    Step difference(const Document& from, const Document& to) const;
    void push(Step step);
    void dropOldest();
    StepPlace apply(Document& doc, const Step& step, bool forward);
    // Applies the last step of `from` to `doc` and moves it to `to`.
    StepPlace take(Document& doc, std::deque<Step>& from, std::deque<Step>& to, bool forward);

    std::unique_ptr<Document> baseline_;  // the document as of the last step
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    std::size_t memory_ = 0;
};

}  // namespace mv52
