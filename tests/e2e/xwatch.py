#!/usr/bin/python3
"""Reports the top-level windows of an X display as they map, unmap and are destroyed.

One line per event, flushed at once, in the order the X server sent them:

    map     <id> <pid> <x> <y> <width> <height> <override> <title>
    unmap   <id> <pid> <x> <y> <width> <height> <override> <title>
    destroy <id> <pid> <x> <y> <width> <height> <override> <title>

<id> is the window id in decimal, as xdotool prints it. <override> is 1 for override-redirect
windows (menus, tooltips). Unmap and destroy repeat what was known of the window when it
mapped. The first line, "ready", says the watch has begun.
"""

import sys

from Xlib import X, Xatom, display, error

dpy = display.Display()
root = dpy.screen().root
root.change_attributes(event_mask=X.SubstructureNotifyMask)
NET_WM_PID = dpy.intern_atom("_NET_WM_PID")
NET_WM_NAME = dpy.intern_atom("_NET_WM_NAME")
UTF8_STRING = dpy.intern_atom("UTF8_STRING")
dpy.sync()

known = {}


def describe(window, override):
    pid, title, geometry = 0, "", (0, 0, 0, 0)
    try:
        g = window.get_geometry()
        geometry = (g.x, g.y, g.width, g.height)
        p = window.get_full_property(NET_WM_PID, Xatom.CARDINAL)
        if p and len(p.value):
            pid = int(p.value[0])
        n = window.get_full_property(NET_WM_NAME, UTF8_STRING)
        if n is not None:
            title = n.value.decode("utf-8", "replace") if isinstance(n.value, bytes) else str(n.value)
        else:
            title = window.get_wm_name() or ""
    except error.XError:
        pass
    return "%d %d %d %d %d %d %s" % ((pid,) + geometry + (1 if override else 0, title))


def report(kind, wid, text):
    sys.stdout.write("%s %d %s\n" % (kind, wid, text))
    sys.stdout.flush()


report("ready", root.id, "0 0 0 0 0 0 root")
while True:
    event = dpy.next_event()
    if event.type == X.MapNotify and event.event == root:
        known[event.window.id] = describe(event.window, event.override)
        report("map", event.window.id, known[event.window.id])
    elif event.type == X.UnmapNotify and event.event == root:
        report("unmap", event.window.id, known.get(event.window.id, "0 0 0 0 0 0 "))
    elif event.type == X.DestroyNotify and event.event == root:
        report("destroy", event.window.id, known.pop(event.window.id, "0 0 0 0 0 0 "))
