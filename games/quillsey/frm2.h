#pragma once

#include "form.h"

namespace quillsey {

// The rules in five lines; the texts come with every load, so a reopened
// window reads the same as the first.
class frm2 : public shell::Form {
    Q_OBJECT
public:
    explicit frm2(shell::Runtime& runtime);

    void Form_Load() override;
};

} // namespace quillsey
