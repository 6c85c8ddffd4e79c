#pragma once

#include <QWidget>

#include <array>
#include <functional>

namespace trakora {

// The windows the main window opens from its Display menu.
enum class WindowKind { DataStat, ShowPos, NMEARaw, SatInfo, SatPos, LongTerm, Health };
constexpr int WindowKindCount = 7;

// How to make one kind of window and how to refresh it.
//
// The main window knows no window class: each is plugged in by
// registering an entry, usually from RegisterDisplayWindows
// (QtDisplayWindows.cpp):
//
//     registry.Register(WindowKind::SatInfo, DisplayWindowEntry::For<frmSatInfo>(context));
//
// For<W> needs `W(ProgramContext&, QWidget* parent = nullptr)` and a public
// `void TimerPop()`. A kind without an entry opens nothing.
//
// Painting once a frame: a window whose model (what each epoch changes:
// statistics, tracks, the texts it will show) is kept apart from its
// controls offers public `void UpdateModel()` (no control is touched) and
// `void Paint()` (the controls made to show the model, only what differs),
// with TimerPop() doing both for callers of its own. For<W> finds the pair:
// the pump's refresh then runs UpdateModel after every epoch and the frame
// painter runs Paint after every refresh, at most once a frame in fast
// replays, or not at all while a seek rebuilds the state. A window that also
// offers `void ResetModel()` (back to its state when just opened) is reset
// before such a rebuild. A window without the pair paints in TimerPop.
struct DisplayWindowEntry {
    std::function<QWidget*()> Create;
    std::function<void(QWidget*)> TimerPop;
    std::function<void(QWidget*)> Paint;
    std::function<void(QWidget*)> ResetModel;

    template <class W, class Context>
    static DisplayWindowEntry For(Context& context)
    {
        DisplayWindowEntry entry;
        entry.Create = [&context]() -> QWidget* { return new W(context); };
        entry.Bind<W>();
        return entry;
    }

    // The refresh, paint and reset operations W offers.
    template <class W>
    void Bind()
    {
        if constexpr (requires(W& w) { w.UpdateModel(); w.Paint(); }) {
            TimerPop = [](QWidget* window) { static_cast<W*>(window)->UpdateModel(); };
            Paint = [](QWidget* window) { static_cast<W*>(window)->Paint(); };
        } else {
            TimerPop = [](QWidget* window) { static_cast<W*>(window)->TimerPop(); };
        }
        if constexpr (requires(W& w) { w.ResetModel(); })
            ResetModel = [](QWidget* window) { static_cast<W*>(window)->ResetModel(); };
    }
};

class WindowRegistry {
public:
    void Register(WindowKind kind, DisplayWindowEntry entry) { m_entries[Index(kind)] = std::move(entry); }
    const DisplayWindowEntry& Entry(WindowKind kind) const { return m_entries[Index(kind)]; }
    bool Has(WindowKind kind) const { return static_cast<bool>(m_entries[Index(kind)].Create); }

private:
    static std::size_t Index(WindowKind kind) { return static_cast<std::size_t>(kind); }
    std::array<DisplayWindowEntry, WindowKindCount> m_entries;
};

} // namespace trakora
