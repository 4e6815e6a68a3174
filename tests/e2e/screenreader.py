#!/usr/bin/python3
"""Takes whole readings from a running Quintavel as a screen reader user does. The first with
the keyboard alone (real keys, through xdotool), following the focus on the accessibility bus;
the second through the bus alone: every button, link and thumbnail is pressed through its
accessible press action and the name is set through the editable-text interface. Windows and
controls are found by their role and name among those the bus reports as showing, and what the
windows say is read back from the bus.

    screenreader.py <pid> <texts.cpp> <browser-log> <home-page-address>

Prints one "ok: ..." line a step. The first check that fails ends it with "FAIL: ...", followed
by the accessible tree of every window the application shows.
"""

import os
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

# The action's name, not its translation, is what is looked for; its one call is marked old.
warnings.filterwarnings("ignore", "Atspi.Action.get_action_name", DeprecationWarning)

PID = int(sys.argv[1])
TEXTS, OPENED, HOME_PAGE = sys.argv[2], sys.argv[3], sys.argv[4]
TIMEOUT = float(os.environ.get("E2E_TIMEOUT", "30"))
TITLE = os.environ["QUINTAVEL_CAPTION"]
FRUITS = ["Apple", "Banana", "Black Grapes", "Cherry", "Coconut", "Custard Apple", "Mango",
          "Orange", "Paneapple", "Papaya", "Peach", "Pear"]
BANNER = ("The Most Popular Online Vellum Discussion Board. Best Resource For Everything Vellum. "
          "Visit Tarnwell Now")


def text(name):
    """The long text of that name, as the program's source writes it in English."""
    with open(TEXTS, encoding="utf-8") as file:
        source = file.read()
    entry = re.search(r'\{"%s",\s*QT_TRANSLATE_NOOP\("Texts",((?:\s*"(?:[^"\\]|\\.)*")+)\)\}'
                      % re.escape(name), source)
    literals = re.findall(r'"((?:[^"\\]|\\.)*)"', entry.group(1))
    return "".join(re.sub(r"\\(.)", r"\1", literal) for literal in literals)


def shown(caption):
    """A caption as a label shows it: "&&" is one "&", a single "&" marks an access key."""
    return re.sub("&(.?)", r"\1", caption)


def accessibility_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, -1,
                                None).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
        | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == PID:
            return app
    return None


def showing(obj):
    states = obj.get_state_set()
    return states.contains(Atspi.StateType.SHOWING) and states.contains(Atspi.StateType.VISIBLE)


def windows():
    """The application's windows on the screen, read afresh from the bus."""
    app = application()
    if app is None:
        return []
    app.clear_cache()
    children = (app.get_child_at_index(i) for i in range(app.get_child_count()))
    return [window for window in children if window is not None and showing(window)]


def descendants(obj):
    for i in range(obj.get_child_count()):
        child = obj.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def find(root, role, name=None):
    """The showing controls under `root` with the role (an Atspi.Role) and, if given, the name:
    what a screen reader finds in the window."""
    return [o for o in descendants(root)
            if o.get_role() == role and (name is None or o.get_name() == name) and showing(o)]


def text_of(control):
    return Atspi.Text.get_text(control, 0, -1)


def actions(obj):
    return [obj.get_action_name(i) for i in range(obj.get_n_actions())]


def tree(obj, depth=0):
    lines = ["    %s%s %r %s%s" % ("  " * depth, obj.get_role_name(), obj.get_name(), actions(obj),
                                "" if showing(obj) else " (not showing)")]
    for child in (obj.get_child_at_index(i) for i in range(obj.get_child_count())):
        if child is not None:
            lines += tree(child, depth + 1)
    return lines


def fail(what):
    print("FAIL: " + what)
    print("  the application's windows on the bus:")
    try:
        for window in windows():
            print("\n".join(tree(window)))
    except GLib.Error as error:
        print("    (cannot read them: %s)" % error.message)
    sys.exit(1)


def check(condition, what):
    if not condition:
        fail(what)


def until(state, what):
    """Asks for the state until it holds, and returns it; fails after the timeout. Events the
    bus has brought in the meantime reach their listeners."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            found = state()
        except GLib.Error:
            found = None  # an object went away while it was read: read again
        if found:
            return found
        if time.monotonic() > deadline:
            fail("no " + what)
        time.sleep(0.05)


def window_with(role, name):
    """The one showing window that holds a control of that role and name."""
    def state():
        holding = [w for w in windows() if find(w, role, name)]
        return holding[0] if len(holding) == 1 else None
    return state


def nowhere(role, name):
    """No showing window holds a control of that role and name."""
    return lambda: all(not find(w, role, name) for w in windows())


def one(root, role, name):
    controls = find(root, role, name)
    check(len(controls) == 1, "one %s named %r, but %d" % (role.value_nick, name, len(controls)))
    return controls[0]


def menu_item(root, name):
    """The menu item of that name under `root`, pressed without opening its menu as a screen
    reader can; its menu is not showing."""
    items = [o for o in descendants(root)
             if o.get_role() == Atspi.Role.MENU_ITEM and o.get_name() == name]
    check(len(items) == 1, "one menu item named %r, but %d" % (name, len(items)))
    return items[0]


def press_index(control):
    names = actions(control)
    check("Press" in names, "press action on the %s %r, only %s"
          % (control.get_role_name(), control.get_name(), names))
    return names.index("Press")


def press(control):
    """The action a screen reader takes to activate a control."""
    control.do_action(press_index(control))


def press_without_waiting(control):
    """Presses as press() does, without waiting for the answer: a menu item answers only once
    the modal window it opened has closed again."""
    message = Gio.DBusMessage.new_method_call(control.app.bus_name, control.path,
                                              "org.a11y.atspi.Action", "DoAction")
    message.set_body(GLib.Variant("(i)", (press_index(control),)))
    message.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    bus = accessibility_bus()
    bus.send_message(message, Gio.DBusSendMessageFlags.NONE)
    bus.flush_sync(None)
    bus.close_sync(None)


def focus_on(root, role, name):
    """The state: the control of that role and name under `root` has the keyboard focus."""
    def state():
        root.clear_cache()
        return next((o for o in find(root, role, name)
                     if o.get_state_set().contains(Atspi.StateType.FOCUSED)), None)
    return state


def key(*names):
    """Real keys, into the window that has the keyboard focus."""
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def give_focus(width):
    """Gives the application's window of that width the keyboard focus, as a window manager
    would: the test's display has none."""
    def window():
        mapped = xdotool("search", "--all", "--onlyvisible", "--pid", str(PID), "--name", ".")
        ids = [i for i in mapped
               if any(word.startswith("%dx" % width) for word in xdotool("getwindowgeometry", i))]
        return ids[0] if len(ids) == 1 else None
    wid = until(window, "window %d pixels wide" % width)
    xdotool("windowfocus", wid)
    until(lambda: xdotool("getwindowfocus") == [wid], "keyboard focus in window %s" % wid)


def opened_pages():
    with open(OPENED) as log:
        return log.read().splitlines()


BUTTON, TEXT, LINK, LABEL = (Atspi.Role.PUSH_BUTTON, Atspi.Role.TEXT, Atspi.Role.LINK,
                             Atspi.Role.LABEL)
IMAGE, PANEL = Atspi.Role.IMAGE, Atspi.Role.PANEL

# The main window: its title, the name box, the reading button and the links.
main = until(window_with(BUTTON, "Get My Fruit Astrology Reading"), "main window")
check(main.get_role() == Atspi.Role.FRAME and main.get_name() == TITLE,
      "main window titled %r: %s %r" % (TITLE, main.get_role_name(), main.get_name()))
name_box = one(main, TEXT, "Name:-")
for caption in [BANNER, text("offer-cobrand"), text("offer-fullbrand")]:
    one(main, LINK, shown(caption))
print("ok: the main window is titled %r; its name box is named after its label, its three "
      "links are links" % TITLE)

# A reading with the keyboard alone. Tab goes from the unseen Exit button to the name box, and
# the bus tells of the focus before it tells of the box's caret and selection: a screen reader
# that hears of a caret first takes the box for one it was in already and does not name it.
heard = []
listener = Atspi.EventListener.new(
    lambda event: heard.append((event.type, event.detail1, event.source.get_role(),
                                event.source.get_name())))
# The focus is listened for last: once it is heard of, so are the others.
box_events = ["object:text-caret-moved", "object:text-selection-changed",
              "object:state-changed:focused"]
for event_type in box_events:
    listener.register(event_type)
give_focus(496)
until(lambda: ("object:state-changed:focused", 1, BUTTON, "Exit") in heard,
      "focus event of the unseen Exit button as the main window gets the keyboard")
key("Tab")
until(focus_on(main, TEXT, "Name:-"), "focus in the name box after Tab")
until(lambda: ("object:state-changed:focused", 1, TEXT, "Name:-") in heard,
      "focus event of the name box")
of_box = [event[:2] for event in heard if event[2:] == (TEXT, "Name:-")]
check(of_box[0] == ("object:state-changed:focused", 1),
      "the name box's focus told first, not after %s" % of_box)
for event_type in box_events:
    listener.deregister(event_type)
subprocess.run(["xdotool", "type", "--delay", "30", "ann"], check=True)
until(lambda: text_of(name_box) == "ANN", "ANN typed into the name box")
key("Tab")
until(focus_on(main, BUTTON, "Get My Fruit Astrology Reading"), "focus on the reading button")
key("space")
chooser = until(window_with(BUTTON, "Pear"), "chooser window after Space")
print("ok: Tab names the name box before its caret moves; typed, Tab and Space hand over")

# What lies behind the thumbnails is hidden; Tab goes from Back through the thumbnails.
for role, name in [(PANEL, "Fruit Astrology Interpretation"), (IMAGE, "Apple"),
                   (LABEL, text("fruits/apple"))]:
    check(not find(chooser, role, name),
          "the %s %r behind the thumbnails is reported as showing" % (role.value_nick, name[:40]))
give_focus(577)
until(focus_on(chooser, BUTTON, "Back"), "focus on Back in the chooser")
for fruit in FRUITS[:FRUITS.index("Paneapple") + 1]:
    key("Tab")
    until(focus_on(chooser, BUTTON, fruit), "focus on the thumbnail %s after Tab" % fruit)
key("space")
description = text("fruits/paneapple")
reading = until(focus_on(chooser, LABEL, description), "focus on the reading after Space")
labels = [relation.get_target(0).get_name() for relation in reading.get_relation_set()
          if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY]
check("Paneapple" in labels, "the reading labelled by the fruit's name, not only by %s" % labels)
seen = [b.get_name() for b in find(chooser, BUTTON) if b.get_name() in FRUITS]
check(not seen, "thumbnails behind the reading reported as showing: %s" % seen)
key("Tab")
until(focus_on(chooser, BUTTON, "Back"), "focus on Back after Tab from the reading")
key("alt+b")
until(nowhere(BUTTON, "Back"), "close of the chooser after Alt+B")
main = until(window_with(BUTTON, "Get My Fruit Astrology Reading"), "main window after Alt+B")
print("ok: Tab reaches Paneapple and Space reads it out, labelled by its name; no thumbnail "
      "shows behind it, and Tab and Alt+B reach Back")

# Without a name, the message box says what is missing; its OK button closes it.
name_box = one(main, TEXT, "Name:-")
Atspi.EditableText.set_text_contents(name_box, "")
until(lambda: text_of(name_box) == "", "an empty name box")
press(one(main, BUTTON, "Get My Fruit Astrology Reading"))
alert = until(window_with(LABEL, "Please Enter Your Name"), "message box asking for the name")
check(alert.get_role() == Atspi.Role.ALERT and alert.get_name() == "Quintavel",
      "an alert titled 'Quintavel': %s %r" % (alert.get_role_name(), alert.get_name()))
press(one(alert, BUTTON, "OK"))
until(nowhere(LABEL, "Please Enter Your Name"), "close of the message box")
print("ok: the message box is read as an alert with its text, and OK closes it")

# Through the bus alone: the name is set through the box's editable text; the reading button
# hands over.
Atspi.EditableText.set_text_contents(name_box, "ANNE")
until(lambda: text_of(name_box) == "ANNE", "name ANNE in the box")
press(one(main, BUTTON, "Get My Fruit Astrology Reading"))
chooser = until(window_with(BUTTON, "Pear"), "chooser window with its thumbnails")
check(chooser.get_name() == TITLE, "chooser titled %r, not %r" % (TITLE, chooser.get_name()))
thumbnails = [b.get_name() for b in find(chooser, BUTTON) if b.get_name() in FRUITS]
check(thumbnails == FRUITS, "the twelve thumbnails named in catalogue order: %s" % thumbnails)
check(not showing(main), "the main window hidden after the hand-over")
print("ok: the hand-over opens the chooser; its thumbnails are buttons named after their fruits")

# A link is pressed as the thumbnails are, and opens its page.
pages = len(opened_pages())
press(one(chooser, LINK, BANNER))
until(lambda: opened_pages()[pages:] == [HOME_PAGE], "home page opened by the banner link")
print("ok: the banner link's press action opens the forum's home page")

# The Paneapple thumbnail shows its reading: the picture is named after it, the texts read.
press(one(chooser, BUTTON, "Paneapple"))
until(lambda: find(chooser, IMAGE, "Paneapple"), "picture named Paneapple")
one(chooser, LABEL, "Paneapple")
one(chooser, LABEL, description)
print("ok: the Paneapple thumbnail shows its image, its name and the catalogue's description, "
      "%d characters" % len(description))

# The About window, from its menu item: a dialog with its title and two links.
press_without_waiting(menu_item(chooser, "About Software"))
about = until(window_with(LINK, "Click here to visit Tarnwell"), "About window")
check(about.get_role() == Atspi.Role.DIALOG and about.get_name() == TITLE,
      "About window a dialog titled %r: %s %r" % (TITLE, about.get_role_name(), about.get_name()))
one(about, LINK, "Click here for more details.")
press(one(about, BUTTON, "OK"))
until(nowhere(LINK, "Click here to visit Tarnwell"), "close of the About window")
print("ok: the About window is a dialog titled %r with two links; OK closes it" % TITLE)

# File, Exit leaves the farewell window, whose Exit button ends the application.
press(menu_item(chooser, "Exit"))
farewell = until(window_with(BUTTON, "Refer A Friend Now"), "farewell window")
check(farewell.get_name() == TITLE, "farewell titled %r, not %r" % (TITLE, farewell.get_name()))
for hint in ["Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"]:
    one(farewell, TEXT, hint)
one(farewell, LINK, "Click Here To Visit Vellum Softwares")
one(farewell, BUTTON, "Click Here To Visit Tarnwell Now")
print("ok: the farewell window is titled %r; its boxes are named after their hints, and its "
      "big link is a push button" % TITLE)
press(one(farewell, BUTTON, "Exit"))
