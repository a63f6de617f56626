// On-screen messages: the fading texts of the menu screens, key notices, combat
// and pick-up alerts. Each queue shows only its front message, so one queue's
// messages appear one after another while the two queues run side by side.
#pragma once

#include <deque>
#include <string>

class Font;

struct ScreenMessage {
    float alpha = 1.0f;     // brightness; the message goes once it is no longer above 0
    float fade_step = 0.1f; // taken off alpha at each update after the hold time
    std::string text;       // may contain line feeds and tabs
    float x = 0.0f;         // first line's start, fraction of the window width
    float y = 0.0f;         // first line's baseline, fraction of the window height
    float hold_time = 1.0f; // seconds at full brightness
    float delay = 0.0f;     // seconds before it shows at all
};

class MessageQueue {
  public:
    void post(const ScreenMessage& message) { messages_.push_back(message); }

    // Advances only the front message, by exactly one of: delay, hold, fade, removal.
    void update(float seconds);

    // The message that draw shows: the front one once its delay is over, else null.
    const ScreenMessage* shown() const {
        return !messages_.empty() && messages_.front().delay <= 0.0f ? &messages_.front() : nullptr;
    }

    // Draws the front message with the current window size, once its delay is over.
    void draw(const Font& font) const;
    void draw(const Font& font, int window_width, int window_height) const;

    void clear() { messages_.clear(); }
    bool empty() const { return messages_.empty(); }
    std::size_t size() const { return messages_.size(); }
    const ScreenMessage& front() const { return messages_.front(); }
    const ScreenMessage& back() const { return messages_.back(); }

  private:
    std::deque<ScreenMessage> messages_;
};

// Menu texts and key notices.
extern MessageQueue message_queue;
// Combat and pick-up messages, and "You are dead!".
extern MessageQueue alert_queue;
