// How the core speaks to the user without owning a window: the window (or the
// command-line tool) implements this and shows each message its own way.
#pragma once

#include <string>
#include <vector>

namespace zav {

enum class MessageIcon { Information, Error, Warning, Question };

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // A message box with an OK button; text already in the interface language.
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // A Yes/No question with its icon (Error stands for the stop sign); true
    // for Yes.
    virtual bool AskYesNo(const std::string& text, MessageIcon icon) = 0;
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
    bool AskYesNo(const std::string& text, MessageIcon icon) override {
        questions.push_back(text);
        questionIcons.push_back(icon);
        return answer_;
    }
    std::vector<Message> messages;
    std::vector<std::string> questions;
    std::vector<MessageIcon> questionIcons;

private:
    bool answer_;
};

}  // namespace zav
