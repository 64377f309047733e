// How the core tells the user what happened: the interface language and the
// message sink travel together, so every message is in the user's language.
#pragma once

#include <string>

#include "texts/Messages.h"
#include "texts/Texts.h"

namespace zav {

class Reporter {
public:
    Reporter(Language language, MessageSink& sink) : language_(language), sink_(&sink) {}

    Language GetLanguage() const { return language_; }
    const std::string& Text(TextId id) const { return zav::Text(language_, id); }

    // The message `id`, with its single "%s" or "%d" filled when a value is given.
    void Show(MessageIcon icon, TextId id) const { sink_->ShowMessage(Text(id), icon); }
    void Show(MessageIcon icon, TextId id, const std::string& value) const {
        sink_->ShowMessage(FormatText(Text(id), value), icon);
    }
    void Show(MessageIcon icon, TextId id, long value) const {
        sink_->ShowMessage(FormatText(Text(id), value), icon);
    }
    // A message already made of the program's texts.
    void ShowText(MessageIcon icon, const std::string& text) const {
        sink_->ShowMessage(text, icon);
    }
    // A Yes/No question; true for Yes.
    bool Ask(MessageIcon icon, TextId id, QuestionKind kind) const {
        return sink_->AskYesNo(Text(id), icon, kind);
    }
    // A Yes/No question already made of the program's texts.
    bool AskText(MessageIcon icon, const std::string& text, QuestionKind kind) const {
        return sink_->AskYesNo(text, icon, kind);
    }

private:
    Language language_;
    MessageSink* sink_;
};

}  // namespace zav
