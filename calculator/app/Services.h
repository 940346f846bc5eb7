#pragma once

namespace runtime {
class Clock;
}
namespace ui {
class Prompter;
class Clipboard;
class Printer;
} // namespace ui

namespace abacon {

// What the calculator's windows need from outside; the program passes the real ones, tests
// their twins.
struct Services {
    ui::Prompter& prompter;
    const runtime::Clock& clock;
    ui::Clipboard& clipboard;
    ui::Printer& printer;
};

} // namespace abacon
