#pragma once

#include "form.h"

namespace marrowby {

// The warning before player 2's last move, as a picture.
class Frm2 : public shell::Form {
    Q_OBJECT
public:
    explicit Frm2(shell::Runtime& runtime);
};

} // namespace marrowby
