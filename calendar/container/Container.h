#pragma once

#include "ole/ClassFactory.h"
#include "ole/Site.h"

#include <QStringList>
#include <QTextStream>

namespace vxcontainer {

// A minimal control container: it creates one control, answers its ambients, prints what the
// control tells it, and runs commands that set, get, store and load the control's properties.
class Container final : public ole::PropertyNotifySink, public ole::EventSink {
public:
    explicit Container(QTextStream& out);
    ~Container() override;

    // Creates the control by ProgID or CLSID from the given modules; false (with a message) on failure.
    bool create(const QString& classId, const QStringList& modules);
    // Runs one command line; false when it failed (the message is printed).
    bool run(const QString& line);
    // Runs a sequence of words as commands (the program's arguments).
    bool runWords(const QStringList& words);
    // Runs every line of a script file; false when any command failed.
    bool runScript(const QString& path);
    // Reads commands from the input until "quit" or its end.
    void interact(QTextStream& in);

    ole::COleControl* control() const { return control_.get(); }

    void OnChanged(ole::DISPID dispid) override;
    void OnEvent(ole::DISPID dispid, std::vector<ole::Variant>& args) override;

private:
    bool execute(const QStringList& words);
    bool set(const QString& target, const QString& value);
    bool get(const QString& target);
    bool call(const QString& name);
    bool save(const QString& path);
    bool load(const QString& path);
    bool setMode(const QString& mode);
    // The control's property frame: lists its pages, and shows it when there is a screen.
    bool pages(bool show);
    // Paints the control as a visible container would, then delivers its posted messages.
    void settle();
    ole::Variant valueFor(const ole::MemberInfo& member, const QString& text) const;

    QTextStream& out_;
    ole::SimpleSite site_;
    ole::CreatedControl control_;
};

// Runs a module's DllRegisterServer (or DllUnregisterServer) and prints the outcome; the exit code.
int registerServer(QTextStream& out, const QString& module, bool reg);

// Splits a command line into words: blanks separate, double quotes group (kept in the word).
QStringList splitCommand(const QString& line);

} // namespace vxcontainer
