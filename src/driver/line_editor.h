// Line editing for the interactive loop at a terminal, through libedit:
// moving and editing within the line (arrows, Ctrl-A/E/K/U/W), the history
// of earlier inputs (arrows up and down, Ctrl-R to search it), kept across
// sessions, and Tab to complete a name.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillo {

class LineEditor {
  public:
    // The names that may complete a word: those starting with the prefix.
    using Completer = std::function<std::vector<std::string>(std::string_view prefix)>;

    // An editor when standard input and standard output are both
    // terminals (otherwise the loop reads plain lines, as from a file), and
    // libedit could set itself up; nullptr otherwise.
    static std::unique_ptr<LineEditor> open_on_terminal(Completer completer);
    ~LineEditor();
    LineEditor(const LineEditor&) = delete;
    LineEditor& operator=(const LineEditor&) = delete;

    // Shows the prompt and reads one line, its line end included. False at
    // the end of the input (Ctrl-D on an empty line) or when the read was
    // cut short (Ctrl-C, errno EINTR).
    bool read_line(const char* prompt, std::string& line);

    // Adds a complete input to the history (a multi-line input is one
    // entry) and writes the history file.
    void remember(std::string_view input);

    struct State;

  private:
    explicit LineEditor(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace quillo
