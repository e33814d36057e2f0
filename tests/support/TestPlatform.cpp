// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestPlatform.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "program/game/Commands.h"

namespace {

// Products of two coordinate differences need more than 64 bits.
__extension__ typedef __int128 Wide;

std::string Hex(Colour c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
    return buffer;
}

std::string Describe(const FileDialogOptions& o)
{
    std::ostringstream s;
    s << "filter \"" << o.filter << "\", initialName \"" << o.initialName << "\", defaultExtension \""
      << o.defaultExtension << "\", confirmOverwrite " << (o.confirmOverwrite ? "yes" : "no");
    return s.str();
}

std::string Describe(const std::string& text, Buttons buttons, Icon icon)
{
    return "\"" + text + "\" [" + ToString(buttons) + ", " + ToString(icon) + "]";
}

bool SameOptions(const FileDialogOptions& a, const FileDialogOptions& b)
{
    return a.filter == b.filter && a.initialName == b.initialName && a.defaultExtension == b.defaultExtension &&
           a.confirmOverwrite == b.confirmOverwrite;
}

} // namespace

// ---------------------------------------------------------------------------
// PixelSurface

PixelBitmap::PixelBitmap(int w, int h)
    : width(std::clamp(w, 0, PixelSurface::MAX_BITMAP_SIDE)), height(std::clamp(h, 0, PixelSurface::MAX_BITMAP_SIDE)),
      pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

PixelSurface::PixelSurface(int w, int h, Colour background) { Resize(w, h, background); }

void PixelSurface::Resize(int w, int h, Colour fill)
{
    w = std::max(w, 0);
    h = std::max(h, 0);
    std::vector<Colour> next(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill);
    for (int y = 0; y < std::min(h, height_); ++y)
        for (int x = 0; x < std::min(w, width_); ++x)
            next[static_cast<std::size_t>(y) * w + x] = pixels_[static_cast<std::size_t>(y) * width_ + x];
    pixels_ = std::move(next);
    width_ = w;
    height_ = h;
}

Colour PixelSurface::Pixel(int x, int y, Colour outside) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return outside;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void PixelSurface::SetPixel(int x, int y, Colour c)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

int PixelSurface::CountColour(const Rect& r, Colour c) const
{
    int count = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y)
        for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x)
            count += pixels_[static_cast<std::size_t>(y) * width_ + x] == c;
    return count;
}

bool PixelSurface::AllColour(const Rect& r, Colour c) const
{
    long long w = std::min<long long>(r.right, width_) - std::max(r.left, 0);
    long long h = std::min<long long>(r.bottom, height_) - std::max(r.top, 0);
    return CountColour(r, c) == std::max(w, 0LL) * std::max(h, 0LL);
}

std::uint64_t PixelSurface::Checksum() const
{
    std::uint64_t hash = 14695981039346656037ULL;
    auto mix = [&hash](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            hash ^= (v >> (8 * i)) & 255;
            hash *= 1099511628211ULL;
        }
    };
    mix(static_cast<std::uint32_t>(width_));
    mix(static_cast<std::uint32_t>(height_));
    for (Colour c : pixels_) mix(c);
    return hash;
}

bool PixelSurface::WritePpm(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    out << "P6\n" << width_ << ' ' << height_ << "\n255\n";
    for (Colour c : pixels_) {
        const char rgb[3] = {static_cast<char>(RedOf(c)), static_cast<char>(GreenOf(c)), static_cast<char>(BlueOf(c))};
        out.write(rgb, 3);
    }
    return static_cast<bool>(out);
}

void PixelSurface::Span(long long y, long long x0, long long x1, Colour c)
{
    if (y < 0 || y >= height_) return;
    x0 = std::max(x0, 0LL);
    x1 = std::min(x1, static_cast<long long>(width_));
    if (x0 >= x1) return;
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(y * width_ + x0),
              pixels_.begin() + static_cast<std::ptrdiff_t>(y * width_ + x1), c);
}

void PixelSurface::FillRect(const Rect& r, Colour fill)
{
    ++fills;
    for (long long y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) Span(y, r.left, r.right, fill);
}

// Fills the pixels whose centres lie inside the polygon by the even-odd rule,
// then draws its edges with the pen.
void PixelSurface::Polygon(const Point* points, int count, Colour fill, Colour pen)
{
    ++polygons;
    if (points == nullptr || count <= 0) return;
    long long top = points[0].y, bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min<long long>(top, points[i].y);
        bottom = std::max<long long>(bottom, points[i].y);
    }
    std::vector<double> crossings;
    for (long long y = std::max(top, 0LL); y < std::min(bottom, static_cast<long long>(height_)); ++y) {
        const double centre = static_cast<double>(y) + 0.5;
        crossings.clear();
        for (int i = 0; i < count; ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % count];
            if (a.y == b.y) continue;
            const double lo = std::min(a.y, b.y), hi = std::max(a.y, b.y);
            if (centre < lo || centre >= hi) continue;
            crossings.push_back(a.x +
                                (centre - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            // Pixel x is inside when its centre x + 0.5 lies in [left, right).
            const double left = std::clamp(crossings[k], -1.0, width_ + 1.0);
            const double right = std::clamp(crossings[k + 1], -1.0, width_ + 1.0);
            Span(y, static_cast<long long>(std::ceil(left - 0.5)), static_cast<long long>(std::ceil(right - 0.5)),
                 fill);
        }
    }
    for (int i = 0; i < count; ++i) {
        const Point& a = points[i];
        const Point& b = points[(i + 1) % count];
        DrawLine(a.x, a.y, b.x, b.y, pen);
    }
}

// Fills the pixels whose centres lie inside the ellipse inscribed in r. In
// doubled coordinates relative to the centre a pixel is inside when
// X²B² + Y²A² <= A²B², A and B the rectangle's width and height.
void PixelSurface::FillEllipse(const Rect& r, Colour fill)
{
    ++ellipses;
    const long long A = static_cast<long long>(r.right) - r.left;
    const long long B = static_cast<long long>(r.bottom) - r.top;
    if (A <= 0 || B <= 0) return;
    const long long sumX = static_cast<long long>(r.left) + r.right;
    const long long sumY = static_cast<long long>(r.top) + r.bottom;
    const bool exact = A < (1LL << 30) && B < (1LL << 30);
    auto inside = [&](long long X, long long Y) {
        if (exact) return Wide(X) * X * B * B + Wide(Y) * Y * A * A <= Wide(A) * A * B * B;
        const long double x = static_cast<long double>(X) / A, y = static_cast<long double>(Y) / B;
        return x * x + y * y <= 1.0L;
    };
    const long long parity = (A + 1) % 2; // X = 2x + 1 - sumX has the parity of A + 1
    for (long long y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y) {
        const long long Y = 2 * y + 1 - sumY;
        const long double ratio = static_cast<long double>(Y) / B;
        long long k = static_cast<long long>(A * std::sqrt(std::max(0.0L, 1.0L - ratio * ratio)));
        if ((k - parity) % 2 != 0) --k;
        while (inside(k + 2, Y)) k += 2;
        while (k >= 0 && !inside(k, Y)) k -= 2;
        if (k < 0) continue;
        Span(y, (sumX - k - 1) / 2, (sumX + k - 1) / 2 + 1, fill);
    }
}

void PixelSurface::Line(int x1, int y1, int x2, int y2, Colour pen)
{
    ++lines;
    DrawLine(x1, y1, x2, y2, pen);
}

// Draws the line pixel by pixel along its longer axis, both ends included;
// the other coordinate is rounded as Bresenham's algorithm rounds it. Only
// the steps that fall on the surface are visited.
void PixelSurface::DrawLine(long long x1, long long y1, long long x2, long long y2, Colour pen)
{
    const long long dx = x2 - x1, dy = y2 - y1;
    const long long n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0) {
        if (x1 >= 0 && y1 >= 0 && x1 < width_ && y1 < height_) pixels_[y1 * width_ + x1] = pen;
        return;
    }
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long major0 = xMajor ? x1 : y1, minor0 = xMajor ? y1 : x1;
    const long long majorStep = (xMajor ? dx : dy) > 0 ? 1 : -1;
    const long long minorDelta = xMajor ? dy : dx;
    const long long limit = xMajor ? width_ : height_;
    // Steps i with 0 <= major0 + majorStep * i < limit.
    long long first = majorStep > 0 ? -major0 : major0 - (limit - 1);
    long long last = majorStep > 0 ? limit - 1 - major0 : major0;
    first = std::max(first, 0LL);
    last = std::min(last, n);
    const Wide magnitude = std::llabs(minorDelta);
    const long long minorSign = minorDelta < 0 ? -1 : 1;
    for (long long i = first; i <= last; ++i) {
        const long long offset = static_cast<long long>((2 * Wide(i) * magnitude + n) / (2 * Wide(n)));
        const long long major = major0 + majorStep * i, minor = minor0 + minorSign * offset;
        if (minor < 0 || minor >= (xMajor ? height_ : width_)) continue;
        if (xMajor)
            pixels_[minor * width_ + major] = pen;
        else
            pixels_[major * width_ + minor] = pen;
    }
}

// Each character takes a cell of CELL_WIDTH x CELL_HEIGHT; a non-blank one is
// a solid block in the text colour.
void PixelSurface::Text(int x, int y, const std::string& text, Colour colour, Colour background, bool opaque)
{
    texts.push_back({x, y, text, colour, background, opaque});
    for (std::size_t i = 0; i < text.size(); ++i) {
        const long long left = x + static_cast<long long>(i) * CELL_WIDTH;
        if (left >= width_) break;
        for (long long row = std::max<long long>(y, 0); row < std::min<long long>(y + CELL_HEIGHT, height_); ++row) {
            if (opaque) Span(row, left, left + CELL_WIDTH, background);
            const long long glyphRow = row - y;
            if (text[i] != ' ' && glyphRow >= GLYPH_TOP && glyphRow < GLYPH_TOP + GLYPH_HEIGHT)
                Span(row, left + GLYPH_LEFT, left + GLYPH_LEFT + GLYPH_WIDTH, colour);
        }
    }
}

int PixelSurface::TextWidth(const std::string& text) const
{
    return static_cast<int>(std::min<std::size_t>(text.size(), 1u << 27)) * CELL_WIDTH;
}

std::unique_ptr<Bitmap> PixelSurface::CreateBitmap(int w, int h) { return std::make_unique<PixelBitmap>(w, h); }

void PixelSurface::SaveCell(Bitmap& into, int x, int y)
{
    auto* cell = dynamic_cast<PixelBitmap*>(&into);
    if (cell == nullptr) return;
    for (int j = 0; j < cell->height; ++j) {
        const long long sy = static_cast<long long>(y) + j;
        if (sy < 0 || sy >= height_) continue;
        for (int i = 0; i < cell->width; ++i) {
            const long long sx = static_cast<long long>(x) + i;
            if (sx < 0 || sx >= width_) continue;
            cell->pixels[static_cast<std::size_t>(j) * cell->width + i] = pixels_[sy * width_ + sx];
        }
    }
}

void PixelSurface::RestoreCell(const Bitmap& from, int x, int y)
{
    const auto* cell = dynamic_cast<const PixelBitmap*>(&from);
    if (cell == nullptr) return;
    for (int j = 0; j < cell->height; ++j) {
        const long long sy = static_cast<long long>(y) + j;
        if (sy < 0 || sy >= height_) continue;
        for (int i = 0; i < cell->width; ++i) {
            const long long sx = static_cast<long long>(x) + i;
            if (sx < 0 || sx >= width_) continue;
            pixels_[sy * width_ + sx] = cell->pixels[static_cast<std::size_t>(j) * cell->width + i];
        }
    }
}

// ---------------------------------------------------------------------------
// Controls

void TestStatusBar::SetPaneWidths(int pane0, int pane1)
{
    widths[0] = pane0;
    widths[1] = pane1;
}

void TestStatusBar::SetPaneText(int pane, const std::string& text)
{
    textLog.push_back({pane, text});
    if (pane < 0 || pane > 2) {
        ADD_FAILURE() << "Status bar has no pane " << pane << " (text \"" << text << "\")";
        return;
    }
    texts[pane] = text;
}

std::string TestStatusBar::PaneText(int pane) const { return pane >= 0 && pane <= 2 ? texts[pane] : std::string(); }

// The bar lies along the bottom of the client area; pane 2 takes what panes
// 0 and 1 leave of its width.
Rect TestStatusBar::PaneRect(int pane) const
{
    const Rect client = platform.ClientRect();
    const int top = client.bottom - HEIGHT;
    switch (pane) {
    case 0:
        return {0, top, widths[0], client.bottom};
    case 1:
        return {widths[0], top, widths[0] + widths[1], client.bottom};
    case 2:
        return {widths[0] + widths[1], top, client.right, client.bottom};
    default:
        return {};
    }
}

void TestStatusBar::DrawProgress(const Rect& first, Colour firstColour, const Rect& second, Colour secondColour)
{
    progressFirst = first;
    progressFirstColour = firstColour;
    progressSecond = second;
    progressSecondColour = secondColour;
    progressShown = true;
    ++progressDraws;
}

void TestStatusBar::Invalidate()
{
    ++invalidations;
    progressShown = false;
}

void TestMoveList::Clear()
{
    lines.clear();
    firstVisible = 0;
    ++clears;
}

void TestMoveList::AddLine(const std::string& text)
{
    lines.push_back(text);
    addedLog.push_back(text);
}

void TestMoveList::DeleteLine(int index)
{
    if (index < 0 || index >= LineCount()) return;
    lines.erase(lines.begin() + index);
    ClampScroll();
}

std::string TestMoveList::LineText(int index) const
{
    return index >= 0 && index < LineCount() ? lines[static_cast<std::size_t>(index)] : std::string();
}

Rect TestMoveList::LineRect(int index) const
{
    const int top = geometry.top + LINE_HEIGHT * (index - firstVisible);
    return {geometry.left, top, geometry.right, top + LINE_HEIGHT};
}

int TestMoveList::TextWidth(const std::string& text) const
{
    return static_cast<int>(std::min<std::size_t>(text.size(), 1u << 27)) * PixelSurface::CELL_WIDTH;
}

// Scrolls just enough to bring the line into the page.
void TestMoveList::EnsureVisible(int index)
{
    if (index < 0 || index >= LineCount()) return;
    if (index < firstVisible) firstVisible = index;
    if (index >= firstVisible + pageSize) firstVisible = index - pageSize + 1;
    ClampScroll();
}

void TestMoveList::ClampScroll()
{
    firstVisible = std::clamp(firstVisible, 0, std::max(0, LineCount() - std::max(pageSize, 1)));
}

void TestDicePicture::SetFace(int value)
{
    if (value < 1 || value > 6) ADD_FAILURE() << "A die picture cannot show " << value;
    face = value;
    ++faceChanges;
}

void TestCubeButton::SetGeometry(const Rect& r)
{
    geometry = r;
    ++geometryChanges;
}

void TestCubeButton::SetText(const std::string& t)
{
    text = t;
    textLog.push_back(t);
}

void TestTrayLabel::SetText(const std::string& t)
{
    text = t;
    textLog.push_back(t);
}

// ---------------------------------------------------------------------------
// Names for failure messages

std::string ToString(DialogKind kind)
{
    switch (kind) {
    case DialogKind::MessageBox:
        return "MessageBox";
    case DialogKind::OpenFile:
        return "OpenFileDialog";
    case DialogKind::SaveFile:
        return "SaveFileDialog";
    case DialogKind::ChooseColour:
        return "ChooseColour";
    case DialogKind::StatDlg:
        return "StatDlg";
    case DialogKind::ResignDlg:
        return "GvUpDlg";
    case DialogKind::FinishDlg:
        return "FinishDlg";
    case DialogKind::HintDlg:
        return "HintDlg";
    case DialogKind::Progress:
        return "Progress";
    case DialogKind::AnalysisDlg:
        return "AnalysisDlg";
    case DialogKind::TutorDlg:
        return "TutorDlg";
    case DialogKind::TutorWarning:
        return "TutorWarning";
    case DialogKind::AboutDlg:
        return "AboutDlg";
    case DialogKind::DiceDlg:
        return "DiceDlg";
    case DialogKind::ColourDlg:
        return "BackgClr";
    case DialogKind::SettingSheet:
        return "SettingSheet";
    }
    return "?";
}

std::string ToString(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok:
        return "Ok";
    case Buttons::OkCancel:
        return "OkCancel";
    case Buttons::YesNo:
        return "YesNo";
    case Buttons::YesNoCancel:
        return "YesNoCancel";
    }
    return "?";
}

std::string ToString(Icon icon)
{
    switch (icon) {
    case Icon::None:
        return "None";
    case Icon::Question:
        return "Question";
    case Icon::Exclamation:
        return "Exclamation";
    case Icon::Information:
        return "Information";
    }
    return "?";
}

// ---------------------------------------------------------------------------
// Injector

void Injector::Click(int x, int y) const
{
    post(Message::Mouse(MessageKind::LButtonDown, x, y));
    post(Message::Mouse(MessageKind::LButtonUp, x, y));
}

void Injector::RightClick(int x, int y) const
{
    post(Message::Mouse(MessageKind::RButtonDown, x, y));
    post(Message::Mouse(MessageKind::RButtonUp, x, y));
}

void Injector::Move(int x, int y) const { post(Message::Mouse(MessageKind::MouseMove, x, y)); }

void Injector::Key(int vk, int ch, bool ctrl, bool shift) const
{
    if (ch == 0 && !ctrl && vk >= VK_A && vk <= VK_Z) ch = shift ? vk : vk - VK_A + 'a';
    post(Message::Key(vk, ch, ctrl, shift));
}

void Injector::TypeLetter(char c) const
{
    if (c >= 'a' && c <= 'z')
        Key(VK_A + (c - 'a'), c);
    else if (c >= 'A' && c <= 'Z')
        Key(VK_A + (c - 'A'), c, false, true);
    else if (c >= '0' && c <= '9')
        Key(VK_0 + (c - '0'), c);
    else if (c == ' ')
        Key(VK_SPACE, c);
    else
        ADD_FAILURE() << "TypeLetter cannot type '" << c << "'";
}

void Injector::Menu(int id) const { post(Message::Cmd(id, CommandSource::Menu)); }

void Injector::Tick() const { post(Message::Tick(BLINK_TIMER)); }

// ---------------------------------------------------------------------------
// TestPlatform

TestPlatform::TestPlatform() : screen(windowWidth - FRAME_WIDTH, windowHeight - FRAME_HEIGHT) {}

TestPlatform::~TestPlatform()
{
    if (checkScriptsAtEnd) CheckAllScriptsUsed();
}

Injector TestPlatform::Input() const
{
    return Injector([this](const Message& m) {
        if (m.kind == MessageKind::MouseMove || m.kind == MessageKind::LButtonDown ||
            m.kind == MessageKind::LButtonUp || m.kind == MessageKind::RButtonDown || m.kind == MessageKind::RButtonUp)
            pointer = Point{m.x, m.y};
        if (post)
            post(m);
        else
            ADD_FAILURE() << "TestPlatform::post is not set";
    });
}

void TestPlatform::Advance(int milliseconds)
{
    if (milliseconds > 0) ticks += static_cast<std::uint32_t>(milliseconds);
}

void TestPlatform::Sleep(int milliseconds)
{
    sleeps.push_back(milliseconds);
    if (milliseconds <= 0) return;
    ticks += static_cast<std::uint32_t>(milliseconds);
    sleptTotal += milliseconds;
}

void TestPlatform::ScreenArea(int& width, int& height) const
{
    width = screenWidth;
    height = screenHeight;
}

// The client area follows the outer size, and the screen surface follows the
// client area.
void TestPlatform::SetWindowSize(int width, int height, bool moveToCorner)
{
    windowWidth = width;
    windowHeight = height;
    ++windowSizeCalls;
    if (moveToCorner) movedToCorner = true;
    const Rect client = ClientRect();
    screen.Resize(client.right, client.bottom, background);
}

Rect TestPlatform::ClientRect() const
{
    return {0, 0, std::max(windowWidth - frameWidth, 0), std::max(windowHeight - frameHeight, 0)};
}

void TestPlatform::SetCaption(const std::string& text)
{
    caption = text;
    captionLog.push_back(text);
}

void TestPlatform::Invalidate()
{
    ++invalidations;
    invalidatePending = true;
}

void TestPlatform::UpdateNow()
{
    ++updateNowCalls;
    PaintPending();
}

// Erases the client area in the background colour and lets the window paint.
void TestPlatform::PaintPending()
{
    if (!invalidatePending) return;
    invalidatePending = false;
    ++paints;
    screen.FillRect(ClientRect(), background);
    if (onPaint) onPaint();
}

void TestPlatform::ShowActionMenu(int x, int y)
{
    menuCalls.push_back({x, y});
    if (menuChoices.empty()) return;
    const int id = menuChoices.front();
    menuChoices.pop_front();
    if (post)
        post(Message::Cmd(id, CommandSource::Menu));
    else
        ADD_FAILURE() << "Pop-up menu choice " << id << " cannot be posted: TestPlatform::post is not set";
}

DicePicture& TestPlatform::Die(int index)
{
    if (index < 0 || index > 7) {
        ADD_FAILURE() << "There is no die picture " << index;
        return dice[0];
    }
    return dice[index];
}

TrayLabel& TestPlatform::Tray(int which)
{
    if (which < 0 || which > 1) {
        ADD_FAILURE() << "There is no tray label " << which;
        return trays[0];
    }
    return trays[which];
}

void TestPlatform::SetCursor(CursorKind kind)
{
    cursor = kind;
    cursorLog.push_back(kind);
}

// A real flock on the folder, as the shell takes it, so that test programs
// running side by side in one folder keep each other out too.
class TestPlatform::HeldFolder final : public FileLock {
public:
    HeldFolder(TestPlatform& owner, int fd) : platform(owner), fd_(fd) { ++platform.locksHeld; }
    ~HeldFolder() override
    {
        --platform.locksHeld;
        ::close(fd_);
    }
    HeldFolder(const HeldFolder&) = delete;
    HeldFolder& operator=(const HeldFolder&) = delete;

private:
    TestPlatform& platform;
    int fd_;
};

std::unique_ptr<FileLock> TestPlatform::LockFolder(const std::string& folder)
{
    lockedFolders.push_back(folder);
    if (lockFails) return nullptr;
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    // Another test program in the folder holds it for milliseconds at most.
    for (int attempt = 0; attempt < 2000; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return std::make_unique<HeldFolder>(*this, fd);
        if (errno != EWOULDBLOCK) break;
        ::usleep(1000);
    }
    ::close(fd);
    return nullptr;
}

// A real flock on a file beside the kept game, as the shell takes it.
Platform::KeptLock TestPlatform::LockKeptGame(const std::string& path)
{
    class Held final : public FileLock {
    public:
        explicit Held(int fd) : fd_(fd) {}
        ~Held() override { ::close(fd_); }
        Held(const Held&) = delete;
        Held& operator=(const Held&) = delete;

    private:
        int fd_;
    };
    const std::string name = path + ".lock";
    const int fd = ::open(name.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) return {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return {std::make_unique<Held>(fd), false};
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return {nullptr, busy};
}

OpenResult TestPlatform::OpenDocument(const std::string& path)
{
    documents.push_back(path);
    std::error_code error;
    return std::filesystem::exists(path, error) ? desktopAnswer : OpenResult::NotFound;
}

bool TestPlatform::ShowDocument(const std::string& path)
{
    shownDocuments.push_back(path);
    return helpWindowShows;
}

// --- Scripted dialogs ---

void TestPlatform::ExpectMessageBox(const std::string& text, Buttons buttons, Icon icon, int answer)
{
    boxScript.push_back({text, buttons, icon, answer});
}

void TestPlatform::ExpectOpenFile(const FileDialogOptions& options, std::optional<std::string> answer)
{
    openScript.push_back({options, std::move(answer)});
}

void TestPlatform::ExpectSaveFile(const FileDialogOptions& options, std::optional<std::string> answer)
{
    saveScript.push_back({options, std::move(answer)});
}

void TestPlatform::ExpectChooseColour(Colour initial, std::optional<Colour> answer)
{
    colourChoices.push_back({initial, answer});
}

// Answers from the script; a box that differs from the expected one still
// takes the scripted answer, so that one mistake is reported once.
int TestPlatform::MessageBox(const std::string& text, Buttons buttons, Icon icon)
{
    dialogs.push_back({DialogKind::MessageBox, text});
    if (boxScript.empty() && alwaysMessageBox) return alwaysMessageBox(text, buttons, icon);
    if (boxScript.empty()) {
        const int answer = buttons == Buttons::Ok ? IDOK : IDCANCEL;
        ADD_FAILURE() << "Unexpected message box " << Describe(text, buttons, icon);
        return answer;
    }
    const BoxExpectation expected = boxScript.front();
    boxScript.pop_front();
    if (text != expected.text || buttons != expected.buttons || icon != expected.icon)
        ADD_FAILURE() << "Message box shown: " << Describe(text, buttons, icon)
                      << "\n          expected: " << Describe(expected.text, expected.buttons, expected.icon);
    return expected.answer;
}

std::optional<std::string> TestPlatform::FileDialog(DialogKind kind, std::deque<FileExpectation>& script,
                                                    const FileDialogOptions& options)
{
    dialogs.push_back({kind, options.filter});
    if (script.empty() && alwaysFileDialog) return alwaysFileDialog(kind, options);
    if (script.empty()) {
        ADD_FAILURE() << "Unexpected " << ToString(kind) << ": " << Describe(options);
        return std::nullopt;
    }
    const FileExpectation expected = script.front();
    script.pop_front();
    if (!SameOptions(options, expected.options))
        ADD_FAILURE() << ToString(kind) << " shown: " << Describe(options)
                      << "\n          expected: " << Describe(expected.options);
    return expected.answer;
}

std::optional<std::string> TestPlatform::OpenFileDialog(const FileDialogOptions& options)
{
    return FileDialog(DialogKind::OpenFile, openScript, options);
}

std::optional<std::string> TestPlatform::SaveFileDialog(const FileDialogOptions& options)
{
    return FileDialog(DialogKind::SaveFile, saveScript, options);
}

std::optional<Colour> TestPlatform::ChooseColour(Colour initial)
{
    dialogs.push_back({DialogKind::ChooseColour, Hex(initial)});
    if (colourChoices.empty()) {
        ADD_FAILURE() << "Unexpected colour chooser opened on " << Hex(initial);
        return std::nullopt;
    }
    const ColourExpectation expected = colourChoices.front();
    colourChoices.pop_front();
    if (initial != expected.initial)
        ADD_FAILURE() << "Colour chooser opened on " << Hex(initial) << ", expected on " << Hex(expected.initial);
    return expected.answer;
}

template <class Dialog>
int TestPlatform::RunScripted(DialogKind kind, DialogScript<Dialog>& script, Dialog& dialog, ActiveWindow window)
{
    dialogs.push_back({kind, ""});
    std::function<int(Dialog&)> handler;
    if (!script.once.empty()) {
        handler = std::move(script.once.front());
        script.once.pop_front();
    } else if (script.always) {
        handler = script.always;
    } else {
        ADD_FAILURE() << "Unexpected " << ToString(kind);
        return IDCANCEL;
    }
    // The dialog is the active window while it is open (help asked for in it
    // goes to its topic).
    const ActiveWindow before = active;
    active = window;
    const int result = handler(dialog);
    active = before;
    return result;
}

int TestPlatform::RunStatDlg(StatDlg& dialog)
{
    return RunScripted(DialogKind::StatDlg, statScript, dialog, ActiveWindow::Other);
}

int TestPlatform::RunResignDlg(GvUpDlg& dialog)
{
    return RunScripted(DialogKind::ResignDlg, resignScript, dialog, ActiveWindow::Resign);
}

int TestPlatform::RunFinishDlg(FinishDlg& dialog)
{
    return RunScripted(DialogKind::FinishDlg, finishScript, dialog, ActiveWindow::AutoFinish);
}

int TestPlatform::RunHintDlg(HintDlg& dialog)
{
    return RunScripted(DialogKind::HintDlg, hintScript, dialog, ActiveWindow::Other);
}

int TestPlatform::RunAnalysisDlg(AnalysisDlg& dialog)
{
    return RunScripted(DialogKind::AnalysisDlg, analysisScript, dialog, ActiveWindow::Other);
}

// A progress window of the platform's: its record, and Cancel as scripted.
class TestPlatform::ScriptedProgress final : public ProgressWindow {
public:
    ScriptedProgress(TestPlatform& owner, std::size_t index) : platform(owner), record(index) {}
    ~ScriptedProgress() override { Record().open = false; }
    void SetProgress(int done, int total) override
    {
        Record().steps.push_back({done, total});
        platform.Advance(platform.progressStepMs);
        if (platform.progressCancelAt >= 0 && done >= platform.progressCancelAt) cancelled = true;
    }
    bool Cancelled() const override { return cancelled; }

private:
    ProgressRecord& Record() { return platform.progress[record]; }

    TestPlatform& platform;
    std::size_t record;
    bool cancelled = false;
};

std::unique_ptr<ProgressWindow> TestPlatform::OpenProgress(const std::string& caption, const std::string& text)
{
    dialogs.push_back({DialogKind::Progress, caption});
    progress.push_back({caption, text, {}, true});
    return std::make_unique<ScriptedProgress>(*this, progress.size() - 1);
}

int TestPlatform::RunTutorDlg(TutorDlg& dialog)
{
    return RunScripted(DialogKind::TutorDlg, tutorScript, dialog, ActiveWindow::Other);
}

int TestPlatform::RunTutorWarning(TutorWarning& warning)
{
    return RunScripted(DialogKind::TutorWarning, warningScript, warning, ActiveWindow::Other);
}

int TestPlatform::RunAboutDlg(AboutDlg& dialog)
{
    return RunScripted(DialogKind::AboutDlg, aboutScript, dialog, ActiveWindow::Other);
}

int TestPlatform::RunDiceDlg(DiceDlg& dialog)
{
    return RunScripted(DialogKind::DiceDlg, diceScript, dialog, ActiveWindow::Other);
}

int TestPlatform::RunColourDlg(BackgClr& dialog)
{
    return RunScripted(DialogKind::ColourDlg, colourScript, dialog, ActiveWindow::Colours);
}

int TestPlatform::RunSettingSheet(SettingSheet& sheet)
{
    return RunScripted(DialogKind::SettingSheet, sheetScript, sheet, ActiveWindow::SettingSheet);
}

void TestPlatform::CheckAllScriptsUsed()
{
    for (const BoxExpectation& e : boxScript)
        ADD_FAILURE() << "Message box never shown: " << Describe(e.text, e.buttons, e.icon);
    for (const FileExpectation& e : openScript) ADD_FAILURE() << "Open dialog never shown: " << Describe(e.options);
    for (const FileExpectation& e : saveScript) ADD_FAILURE() << "Save dialog never shown: " << Describe(e.options);
    for (const ColourExpectation& e : colourChoices)
        ADD_FAILURE() << "Colour chooser never opened on " << Hex(e.initial);
    for (int id : menuChoices) ADD_FAILURE() << "Pop-up menu never shown to choose " << id;
    auto report = [](DialogKind kind, std::size_t left) {
        if (left > 0) ADD_FAILURE() << ToString(kind) << " shown " << left << " time(s) fewer than scripted";
    };
    report(DialogKind::StatDlg, statScript.once.size());
    report(DialogKind::ResignDlg, resignScript.once.size());
    report(DialogKind::FinishDlg, finishScript.once.size());
    report(DialogKind::HintDlg, hintScript.once.size());
    report(DialogKind::AnalysisDlg, analysisScript.once.size());
    report(DialogKind::TutorDlg, tutorScript.once.size());
    report(DialogKind::TutorWarning, warningScript.once.size());
    report(DialogKind::AboutDlg, aboutScript.once.size());
    report(DialogKind::DiceDlg, diceScript.once.size());
    report(DialogKind::ColourDlg, colourScript.once.size());
    report(DialogKind::SettingSheet, sheetScript.once.size());
    boxScript.clear();
    openScript.clear();
    saveScript.clear();
    colourChoices.clear();
    menuChoices.clear();
    statScript.once.clear();
    resignScript.once.clear();
    finishScript.once.clear();
    hintScript.once.clear();
    analysisScript.once.clear();
    tutorScript.once.clear();
    warningScript.once.clear();
    aboutScript.once.clear();
    diceScript.once.clear();
    colourScript.once.clear();
    sheetScript.once.clear();
}

std::vector<DialogKind> TestPlatform::DialogKinds() const
{
    std::vector<DialogKind> kinds;
    for (const DialogRecord& d : dialogs) kinds.push_back(d.kind);
    return kinds;
}
