#pragma once

// What a message box sounds like before it shows.
enum class TAlertKind { Error, Warning, Question, Information };

// The system's sound for each kind of box.
class TAlertSound {
public:
    virtual ~TAlertSound() = default;
    virtual void Play(TAlertKind kind) const = 0;
};
