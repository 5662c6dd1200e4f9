#!/usr/bin/python3
"""A stand-in for xdg-desktop-portal's Settings on a private session bus: it answers the
appearance's color-scheme with the number given, and at every line read from its input takes
that number instead and says so with SettingChanged, as the portal does when the player
switches. Usage: portal_standin.py SCHEME"""
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"


class Settings(dbus.service.Object):
    def __init__(self, bus, scheme):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.scheme = scheme

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, group, key):
        if (group, key) != ("org.freedesktop.appearance", "color-scheme"):
            raise dbus.exceptions.DBusException("no such setting",
                                                name="org.freedesktop.portal.Error.NotFound")
        # The portal of Debian 12 wraps the value in a second variant.
        return dbus.UInt32(self.scheme, variant_level=2)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass


def main():
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    settings = Settings(bus, int(sys.argv[1]))
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    loop = GLib.MainLoop()

    def switched(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        settings.scheme = int(line)
        settings.SettingChanged("org.freedesktop.appearance", "color-scheme",
                                dbus.UInt32(settings.scheme))
        return True

    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, switched)
    print("ready", flush=True)
    loop.run()
    del name


main()
