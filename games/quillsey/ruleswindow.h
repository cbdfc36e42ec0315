#pragma once

#include "form.h"

namespace quillsey {

// The rules in five lines; the texts come with every load, so a reopened
// window reads the same as the first.
class RulesWindow : public shell::Form {
    Q_OBJECT
public:
    explicit RulesWindow(shell::Runtime& runtime);

    void load() override;

private:
    static const shell::FormSpec description;
};

} // namespace quillsey
