// How the core speaks to the user without owning a window: the window (or the
// command-line tool) implements this and shows each message its own way.
#pragma once

#include <string>
#include <vector>

namespace zav {

enum class MessageIcon { Information, Error, Warning, Question };

// What Yes does decides the answer a question opens on: one whose Yes
// destroys or replaces something (a file, a set, newer work) opens on No, so
// that Enter pressed in a hurry keeps what is there.
enum class QuestionKind { Harmless, Destructive };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message box with an OK button; text already in the interface language.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // A Yes/No question with its icon (Error stands for the stop sign); true
    // for Yes.
    virtual bool AskYesNo(const std::string& text, MessageIcon icon, QuestionKind kind) = 0;
};

// Collects messages; answers every question with a fixed reply. For callers
// that report afterwards (the command-line tool) and for tests.
class RecordingMessageSink : public MessageSink {
public:
    struct Message {
        std::string text;
        MessageIcon icon;
    };
    explicit RecordingMessageSink(bool answer = false) : answer_(answer) {}
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        messages.push_back({text, icon});
    }
    bool AskYesNo(const std::string& text, MessageIcon icon, QuestionKind kind) override {
        questions.push_back(text);
        questionIcons.push_back(icon);
        questionKinds.push_back(kind);
        return answer_;
    }
    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<MessageIcon> questionIcons;
    std::vector<QuestionKind> questionKinds;

private:
    bool answer_;
};

}  // namespace zav
