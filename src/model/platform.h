// Services of the desktop that the core asks for: the Yes/No message box,
// bitmaps, and the date text of the report date line. The Qt front end
// implements them for real; tests and the replay use ScriptedPlatform.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace hx {

class Platform {
public:
    virtual ~Platform() = default;

    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& question) = 0;

    // Loads a bitmap file by name into the picture of a form; false when the
    // file cannot be read (the caller then leaves the frame empty).
    virtual bool loadBitmap(const std::string& fileName) = 0;

    // Today's date as the report date line shows it.
    virtual std::string dateText() = 0;
};

// A platform whose Yes/No answers come from a queue. With none queued it
// throws NoAnswer naming the question, so a script never hangs.
class ScriptedPlatform : public Platform {
public:
    void queueYesNo(bool yes) { answers_.push_back(yes); }
    std::size_t pendingAnswers() const { return answers_.size(); }

    // Bitmaps "load" unless their name was marked missing.
    void markMissing(const std::string& fileName) { missing_.push_back(fileName); }
    const std::vector<std::string>& bitmapsLoaded() const { return loaded_; }

    void setDate(std::string date) { date_ = std::move(date); }

    bool askYesNo(const std::string& title, const std::string& question) override;
    bool loadBitmap(const std::string& fileName) override;
    std::string dateText() override { return date_; }

private:
    std::deque<bool> answers_;
    std::vector<std::string> missing_;
    std::vector<std::string> loaded_;
    std::string date_ = "2026/12/08";
};

}  // namespace hx
