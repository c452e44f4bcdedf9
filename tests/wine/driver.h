// Drives the real Kivrel program under Wine from outside: starts it in a fresh
// working directory, finds its window and controls, types, presses and reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace driver {

// Directory holding the test programs and both builds of Kivrel.
std::string build_dir();

// Reads a whole file as bytes; empty when it does not exist.
std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& bytes);
bool file_exists(const std::string& path);

// CP932 <-> UTF-16 for texts read and set with the W functions.
std::string to_cp932(const std::wstring& text);
std::wstring to_wide(const std::string& cp932);

struct Pixels {
    int width = 0, height = 0;
    std::vector<uint32_t> rgb;  // 0x00RRGGBB, row by row
    uint32_t at(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

class Program {
public:
    // Starts exe_name (Kivrel.exe or Kivrel-fixed.exe beside the driver, or a
    // full Windows path) in a new empty working
    // directory holding the given files, and waits until its controls exist,
    // or until it shows a message box instead (see message_box_text).
    explicit Program(const std::string& exe_name = "Kivrel.exe",
                     const std::map<std::string, std::string>& files = {}, bool with_species = true);
    // Starts exe_name (one of the builds beside the driver) in folder, an
    // existing folder whose name CP932 may lack, with pokemon.dat copied there.
    Program(const std::string& exe_name, const std::wstring& folder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND window() const { return window_; }
    HWND control(int id) const;
    // Another top-level window of the program, of the given class, once it exists (waits up to 2 s).
    HWND top_window(const wchar_t* window_class) const;
    const std::string& dir() const { return dir_; }
    DWORD process_id() const { return process_.dwProcessId; }

    std::string text(int id) const;              // control text as CP932
    std::string title() const;                   // main window title as CP932
    std::string message_box_text() const;        // text of a message box shown at start, else empty
    std::wstring wide_message_box_text() const;  // the same in wide characters, exact where CP932 lacks some
    void set_text(int id, const std::string& cp932);
    void press(int id);                          // WM_COMMAND as a button click sends it; returns when handled
    // The same, posted: returns at once (the command may ask something). A
    // message box is mapped on top of every window, so the screen stays
    // locked against other tests' captures until wait_search_end.
    void post_press(int id);
    // Presses the seed search button and waits until the search has ended
    // (its button reads "計算" or "Search" again); false when it did not end in time.
    bool run_search(DWORD ms = 120000);
    // Waits until the search button reads "計算"; false when it did not in
    // time. Gives back the screen that post_press took.
    bool wait_search_end(DWORD ms = 120000);
    // The text of a message box the program shows, waiting up to ms for it; "" when none came.
    std::string wait_message_box(DWORD ms = 20000);
    // Closes the program's message box with the given button (IDOK, IDYES, IDNO).
    void answer_message_box(int button);
    void click(int id);                          // BM_CLICK on the button
    int list_selection(int id) const;
    void select(int id, int index);
    std::string file(const std::string& name) const { return read_file(dir_ + "\\" + name); }
    // Lines the command interpreter was started with, one per open_output_file call.
    std::vector<std::string> opened() const;
    // The same once there are at least count lines, or after ms: the seed
    // search starts the viewer after its button is back.
    std::vector<std::string> wait_opened(size_t count, DWORD ms = 20000) const;

    // Pixels of the client area as shown on screen.
    Pixels capture() const;
    // One pixel of the client area, read every few milliseconds for ms with
    // the window raised: each reading's milliseconds since the first, and its
    // colour (0x00RRGGBB).
    std::vector<std::pair<DWORD, uint32_t>> watch_pixel(int x, int y, DWORD ms) const;

    // Sends WM_CLOSE and returns the exit code (or -1 if it did not end in time).
    int close();
    // Waits for the process to end by itself; the exit code, or -1 on time-out.
    int wait_exit(DWORD ms);

private:
    void launch(const std::wstring& exe, const std::wstring& dir, const std::string& exe_name);
    void give_back_screen();

    std::string dir_;
    PROCESS_INFORMATION process_{};
    HWND window_ = nullptr;
    HWND message_box_ = nullptr;
    HANDLE screen_held_ = nullptr;
    bool own_dir_ = true;
    bool ended_ = false;
};

// IVs H..S of frame 0 of a raw seed, from the frame list the program writes; empty when it wrote none.
std::vector<std::string> frame0_ivs(Program& p, const std::string& seed);

// Types into the stats window フシギダネ (45, 49, 49, 65, 65, 45) at level 100 with a
// neutral nature and the stats of the given IVs: every IV gives its own stat.
void type_level_100(HWND stats, const std::vector<int>& ivs);

// A control's rectangle in the client coordinates of window.
RECT rect_in_client(HWND window, HWND control);

// The controls focused on a walk through the tab stops of window, a top-level
// window of the program, with the program's keys: from the first of stops, as
// many Tabs as there are stops, then as many Shift+Tabs, each walk starting
// with the control it starts on; a Tab that moves nothing ends its walk.
struct TabWalks {
    std::vector<int> forward, backward;
};
TabWalks tab_walks(const Program& p, HWND window, const std::vector<int>& stops);
// The walks when Tab follows stops and wraps round.
TabWalks tab_walks_in_order(const std::vector<int>& stops);

// This program's clock, in milliseconds.
double now_ms();

// Posts a press of button id to window, then sends window WM_NULL and asks
// list box list_id its count again and again until the press has filled it:
// the longest round trip in milliseconds, or -1 when one took longer than limit_ms.
double longest_answer_while_filling(HWND window, int id, int list_id, DWORD limit_ms);

// Types the widest hit search into the stats window and the main window p:
// ヒマナッツ at level 1 (every IV gives the same stats, so every frame fits),
// ranges 1000 and 10, frame limit 616.
void type_widest_hit_search(const Program& p, HWND stats);

// A stopwatch reading as the display shows it: "%.2f" seconds.
bool is_reading(const std::string& text);
// The hundredths of a reading.
int hundredths_of(const std::string& reading);

// Renders text with the system font at (0,0) on white into a bitmap of the
// given size, as the program's paint draws it, for comparison with a capture.
Pixels render_text(const std::string& cp932, int width, int height);

// Width and height of text in that font.
SIZE text_extent(const std::string& cp932);

// True when the capture holds exactly the rendered text at (x, y).
bool shows_text(const Pixels& capture, int x, int y, const std::string& cp932);

}  // namespace driver
