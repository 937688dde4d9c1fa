#pragma once

#include "RunDriver.hpp"
#include "ScaledForm.hpp"

#include "core/ProgramForm.hpp"

#include <QSizeF>

#include <map>
#include <memory>
#include <string>

namespace desktop {

// A program's main window on the desktop: built from the core's design of
// the form, its pictures handed to the core's handlers, every event of every
// control sent to them and the view they report shown after each. It owns
// the one run driver, the program's keys and the info windows the handlers
// open. Controls carry their design names as object names.
class ProgramWindow : public ScaledForm {
    Q_OBJECT

public:
    // screenTwips: the screen the window is sized for.
    ProgramWindow(std::unique_ptr<core::ProgramForm> form, QSizeF screenTwips);
    ~ProgramWindow() override;

    // Lays the window out, shows it, loads the program and starts the run.
    void Form_Load();

    bool isRunning() const { return driver_.isRunning(); }
    long long passesRun() const { return driver_.passesRun(); }
    // While halted: runs and draws one pass, as the run driver would; the
    // run stays halted. Does nothing while running.
    void singleStep();

    // An info window by its design name, once the handlers have opened it.
    QWidget* infoWindow(const char* name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    core::ProgramForm& programForm() { return *form_; }

private:
    // Sends the events of a window's controls to the handlers.
    void connectControls(QWidget* window, const core::FormDesign& design);
    void handle(const core::FormEvent& event);
    void react(const core::Reaction& reaction);
    void showView();
    void showPassView();
    void showWindowView(const char* name);
    void open(const char* name);
    // Makes another window of the program from its design.
    std::unique_ptr<QWidget> makeWindow(const core::FormDesign& design);
    // Puts a window that opens beside the main window where it leaves the picture clear.
    void placeBeside(QWidget* window) const;
    // The panel's menu, at a point of the window: the chart recorder.
    void showPanelMenu(QPoint at);

    std::unique_ptr<core::ProgramForm> form_;
    QSizeF screenTwips_;
    RunDriver driver_;
    std::map<std::string, std::unique_ptr<QWidget>> infoWindows_;
    QWidget* passControl_ = nullptr; // what the last pass showed itself in
};

} // namespace desktop
