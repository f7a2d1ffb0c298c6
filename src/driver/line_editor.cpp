#include "driver/line_editor.h"

#include <histedit.h>
#include <langinfo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace quillo {

namespace {

// The history kept between sessions: the last 1,000 inputs, in a file in
// the user's home directory. Reading or writing it may fail (no home, a
// full disk, a file of someone else's): the session then goes on without
// it, silently. It is written to a file of its own first and then renamed
// over the old one, so a failed write never leaves a cut-short history.
constexpr int kHistorySize = 1000;
constexpr const char* kHistoryFile = "/.quillo_history";

std::string history_path() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0') return {};
    return std::string(home) + kHistoryFile;
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// libedit reads and shows characters in the locale's encoding; the
// language's texts are UTF-8. Where the environment names no UTF-8 locale,
// the C library's own UTF-8 one is used for the character type alone (the
// rest of the program reads no locale).
void use_utf8_characters() {
    std::setlocale(LC_CTYPE, "");
    const char* codeset = nl_langinfo(CODESET);
    if (codeset == nullptr || std::strcmp(codeset, "UTF-8") != 0) {
        std::setlocale(LC_CTYPE, "C.UTF-8");
    }
}

} // namespace

struct LineEditor::State {
    EditLine* editor = nullptr;
    History* history = nullptr;
    std::string history_file;
    std::string prompt;
    Completer completer;

    ~State() {
        if (editor != nullptr) el_end(editor);
        if (history != nullptr) history_end(history);
    }

    void save_history() const {
        if (history_file.empty()) return;
        HistEvent event;
        const std::string temporary = history_file + ".new";
        if (::history(history, &event, H_SAVE, temporary.c_str()) < 0) {
            std::remove(temporary.c_str());
            return;
        }
        chmod(temporary.c_str(), 0600);
        if (std::rename(temporary.c_str(), history_file.c_str()) != 0) {
            std::remove(temporary.c_str());
        }
    }
};

namespace {

char* show_prompt(EditLine* editor) {
    LineEditor::State* state = nullptr;
    el_get(editor, EL_CLIENTDATA, &state);
    return state->prompt.data();
}

// Tab: completes the name before the cursor as far as the names that fit
// agree, or lists them when they agree no further. With no name before the
// cursor it indents instead, as a Tab key does in an editor.
unsigned char complete(EditLine* editor, int) {
    LineEditor::State* state = nullptr;
    el_get(editor, EL_CLIENTDATA, &state);
    const LineInfo* line = el_line(editor);
    const char* start = line->cursor;
    while (start > line->buffer && is_name_char(start[-1]))
        --start;
    const std::string prefix(start, line->cursor);
    if (prefix.empty()) {
        el_insertstr(editor, "    ");
        return CC_REFRESH;
    }
    std::vector<std::string> names = state->completer(prefix);
    if (names.empty()) return CC_ERROR;
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::size_t common = names.front().size();
    for (const std::string& n : names) {
        std::size_t k = 0;
        while (k < common && k < n.size() && n[k] == names.front()[k])
            ++k;
        common = k;
    }
    if (common > prefix.size()) {
        el_insertstr(editor, names.front().substr(prefix.size(), common - prefix.size()).c_str());
        return CC_REFRESH;
    }
    if (names.size() == 1) return CC_NORM;
    std::string list = "\n";
    for (const std::string& n : names) {
        list += n;
        list += "  ";
    }
    list += "\n";
    std::fputs(list.c_str(), stdout);
    return CC_REDISPLAY;
}

} // namespace

std::unique_ptr<LineEditor> LineEditor::open_on_terminal(Completer completer) {
    if (!isatty(STDIN_FILENO) || !isatty(STDOUT_FILENO)) return nullptr;
    use_utf8_characters();
    auto state = std::make_unique<State>();
    state->completer = std::move(completer);
    state->history = history_init();
    state->editor = el_init("quillo", stdin, stdout, stderr);
    if (state->history == nullptr || state->editor == nullptr) return nullptr;
    HistEvent event;
    history(state->history, &event, H_SETSIZE, kHistorySize);
    // Typing the same input twice in a row keeps one entry.
    history(state->history, &event, H_SETUNIQUE, 1);
    state->history_file = history_path();
    if (!state->history_file.empty()) {
        history(state->history, &event, H_LOAD, state->history_file.c_str());
    }
    EditLine* el = state->editor;
    el_set(el, EL_CLIENTDATA, state.get());
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_PROMPT, show_prompt);
    el_set(el, EL_HIST, history, state->history);
    el_set(el, EL_ADDFN, "quillo-complete", "Complete a name", complete);
    el_set(el, EL_BIND, "^I", "quillo-complete", nullptr);
    // The keys a terminal's shell has taught: Ctrl-R searches the history
    // as one types, Ctrl-W deletes the word before the cursor, Ctrl-U all
    // before the cursor.
    el_set(el, EL_BIND, "^R", "em-inc-search-prev", nullptr);
    el_set(el, EL_BIND, "^W", "ed-delete-prev-word", nullptr);
    el_set(el, EL_BIND, "^U", "vi-kill-line-prev", nullptr);
    return std::unique_ptr<LineEditor>(new LineEditor(std::move(state)));
}

LineEditor::LineEditor(std::unique_ptr<State> state) : state_(std::move(state)) {}

LineEditor::~LineEditor() = default;

bool LineEditor::read_line(const char* prompt, std::string& line) {
    state_->prompt = prompt;
    std::fflush(stdout);
    int count = 0;
    const char* text = el_gets(state_->editor, &count);
    if (text == nullptr || count <= 0) {
        line.clear();
        return false;
    }
    line.assign(text, static_cast<std::size_t>(count));
    return true;
}

void LineEditor::remember(std::string_view input) {
    HistEvent event;
    const std::string entry(input);
    history(state_->history, &event, H_ENTER, entry.c_str());
    state_->save_history();
}

} // namespace quillo
