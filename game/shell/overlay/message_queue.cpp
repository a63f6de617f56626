// Message queue updates and drawing.
#include "game/shell/overlay/message_queue.h"

#include "game/shell/overlay/font.h"

MessageQueue message_queue;
MessageQueue alert_queue;

void MessageQueue::update(float seconds) {
    if (messages_.empty()) return;
    ScreenMessage& m = messages_.front();
    if (m.delay > 0.0f) {
        m.delay -= seconds;
    } else if (m.hold_time > 0.0f) {
        m.hold_time -= seconds;
    } else if (m.alpha > 0.0f) {
        // The fade is counted in updates, not seconds: updates come at most 30 times a
        // second, so a fade step of 0.1 always takes about a third of a second or more.
        m.alpha -= m.fade_step;
    } else {
        messages_.pop_front();
    }
}

void MessageQueue::draw(const Font& font, int window_width, int window_height) const {
    if (const ScreenMessage* m = shown())
        font.draw_text(m->text, m->x, m->y, m->alpha, window_width, window_height);
}
