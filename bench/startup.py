#!/usr/bin/env python3
"""Start-up time, peak memory and idle CPU of the program against minimal Qt Widgets programs.

Usage: startup.py PROGRAM MINIMAL MINIMAL_FIELD [--runs N] [--idle SECONDS]

MINIMAL shows one window with one label: the yardstick for start-up and memory. MINIMAL_FIELD
shows one window with one focused line edit, whose text cursor blinks as the calculator's does:
the yardstick for the idle check.

The program and MINIMAL run on one private Xvfb server that this script starts, alternately (in
the order A B B A, so that neither always runs second), after one discarded warm-up run each
that fills the file and font caches. For each run:

- start-up time: from just before the process is started to the moment the X server reports
  its first top-level window mapped. The script listens on the root window for MapNotify events
  (SubstructureNotifyMask; Xvfb runs no window manager, so top-level windows are the root's
  children) and takes the first one whose window carries the process's _NET_WM_PID, which Qt
  sets before it maps. An event, unlike polling with xdotool or xwininfo, costs no process
  start per try and adds no polling interval to the figure.
- CPU time used by then (all threads, /proc/PID/task/*/schedstat), shown for reading: it is
  steadier than the wall-clock time when the machine is busy.
- peak resident memory: VmHWM from /proc/PID/status, read half a second after the window was
  mapped (so the first paint has happened), just before the process is killed.

Then the idle check: the program runs until the About window has handed off to the calculator
window (the second window mapped, after the About window's four-second timer), settles for a
second, and its CPU time (utime + stime over all threads, from /proc/PID/stat, and the
nanosecond run time from /proc/PID/task/*/schedstat), its wake-ups (voluntary context switches:
a thread went to sleep and was woken) and the times it was preempted (involuntary ones, which
grow with the machine's load, not with what the program does) are measured over the idle
period; then again with the input focus taken away, as when the user works in another
application. With the focus, the text cursor of the focused field blinks, a repaint every half
second; each repaint wakes the main thread twice (the timer, then the reply to the X round trip
Qt makes before drawing again into the shared-memory image the X server may still be reading)
and Qt's X event reader thread once. Both minimal programs are measured the same way; the
program's idle targets are set against MINIMAL_FIELD's figures from the same run.
"""
import argparse
import ctypes
import ctypes.util
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

START_TARGET = 1.15   # our start-up time at most this multiple of the minimal program's
MEMORY_TARGET = 1.20  # our peak memory at most this multiple of the minimal program's
# Idle, against the minimal program with a focused field: at most this multiple of its run time
# and wake-ups, plus a little for the case where it has none.
IDLE_RATIO = 1.5
IDLE_SLACK_MS = 1.0
IDLE_SLACK_WAKEUPS = 5

SETTLE_AFTER_MAP = 0.5
WINDOW_TIMEOUT = 20.0


# --- Xlib through ctypes: just enough to hear about mapped windows --------------------------

class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)


class X11:
    def __init__(self, display_name):
        lib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
        lib.XOpenDisplay.restype = ctypes.c_void_p
        lib.XOpenDisplay.argtypes = [ctypes.c_char_p]
        lib.XDefaultRootWindow.restype = ctypes.c_ulong
        lib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        lib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        lib.XConnectionNumber.argtypes = [ctypes.c_void_p]
        lib.XPending.argtypes = [ctypes.c_void_p]
        lib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
        lib.XFlush.argtypes = [ctypes.c_void_p]
        lib.XInternAtom.restype = ctypes.c_ulong
        lib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        lib.XGetWindowProperty.argtypes = [
            ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int,
            ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_int),
            ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        lib.XFree.argtypes = [ctypes.c_void_p]
        lib.XSetInputFocus.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_ulong]
        self.lib = lib
        # A window can vanish between its MapNotify and our query; Xlib's default handler
        # would end this script for that BadWindow.
        self._ignore_errors = ERROR_HANDLER(lambda display, error: 0)
        lib.XSetErrorHandler(self._ignore_errors)
        self.display = lib.XOpenDisplay(display_name.encode())
        if not self.display:
            raise RuntimeError(f"cannot open display {display_name}")
        lib.XSelectInput(self.display, lib.XDefaultRootWindow(self.display), SUBSTRUCTURE_NOTIFY_MASK)
        lib.XFlush(self.display)
        self.fd = lib.XConnectionNumber(self.display)
        self.root = lib.XDefaultRootWindow(self.display)
        self.pid_atom = lib.XInternAtom(self.display, b"_NET_WM_PID", 0)

    def window_pid(self, window):
        actual_type, actual_format = ctypes.c_ulong(), ctypes.c_int()
        count, after, data = ctypes.c_ulong(), ctypes.c_ulong(), ctypes.c_void_p()
        status = self.lib.XGetWindowProperty(self.display, window, self.pid_atom, 0, 1, 0, 0,
                                             ctypes.byref(actual_type), ctypes.byref(actual_format),
                                             ctypes.byref(count), ctypes.byref(after), ctypes.byref(data))
        if status != 0 or not data.value:
            return None
        pid = ctypes.cast(data, ctypes.POINTER(ctypes.c_long))[0] if count.value and actual_format.value == 32 else None
        self.lib.XFree(data)
        return pid

    def focus_root(self):
        """Takes the input focus away from every application window, as clicking another
        application's window would."""
        revert_to_parent, current_time = 2, 0
        self.lib.XSetInputFocus(self.display, self.root, revert_to_parent, current_time)
        self.lib.XFlush(self.display)

    def drain(self):
        event = XEvent()
        while self.lib.XPending(self.display):
            self.lib.XNextEvent(self.display, ctypes.byref(event))

    def wait_for_map(self, pid, deadline, seen=()):
        """The monotonic time at which a top-level window of process pid, not in seen, was
        mapped, and that window; None when the deadline passes first."""
        event = XEvent()
        while True:
            while self.lib.XPending(self.display):
                self.lib.XNextEvent(self.display, ctypes.byref(event))
                if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                    now = time.monotonic_ns()
                    window = event.xmap.window
                    if window not in seen and self.window_pid(window) == pid:
                        return now, window
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.fd], [], [], left)


# --- /proc readings ------------------------------------------------------------------------

def vm_hwm_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError("no VmHWM")


def cpu_ticks(pid):
    """utime + stime of the whole process, in clock ticks."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def run_ns_and_switches(pid):
    """Time on a CPU in nanoseconds, wake-ups (voluntary context switches) and preemptions
    (involuntary ones), summed over all threads."""
    run_ns = wakeups = preemptions = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                run_ns += int(f.read().split()[0])
            with open(f"/proc/{pid}/task/{task}/status") as f:
                for line in f:
                    if line.startswith("voluntary_ctxt_switches"):
                        wakeups += int(line.split()[1])
                    elif line.startswith("nonvoluntary_ctxt_switches"):
                        preemptions += int(line.split()[1])
        except FileNotFoundError:  # a thread ended meanwhile
            pass
    return run_ns, wakeups, preemptions


# --- runs ----------------------------------------------------------------------------------

def kill_and_reap(proc, sig=signal.SIGKILL):
    """Ends proc and waits for it, even when Ctrl-C comes meanwhile (raised again afterwards)."""
    interrupted = None
    if proc.poll() is None:
        proc.send_signal(sig)
    while True:
        try:
            proc.wait()
            break
        except KeyboardInterrupt as interrupt:
            interrupted = interrupt
    if interrupted:
        raise interrupted


class Bench:
    def __init__(self, x11, env):
        self.x11, self.env = x11, env
        self.running = set()  # what main() ends when it is interrupted between start and stop

    def start(self, program):
        self.x11.drain()
        t0 = time.monotonic_ns()
        proc = subprocess.Popen([program], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.running.add(proc)
        return t0, proc

    def stop(self, proc):
        kill_and_reap(proc)
        self.running.discard(proc)

    def stop_all(self):
        for proc in list(self.running):
            self.stop(proc)

    def first_window(self, proc, t0, seen=()):
        found = self.x11.wait_for_map(proc.pid, time.monotonic() + WINDOW_TIMEOUT, seen)
        if found is None:
            self.stop(proc)
            raise RuntimeError(f"{proc.args[0]} mapped no window within {WINDOW_TIMEOUT} s; stderr:\n"
                               + proc.stderr.read().decode(errors="replace"))
        return (found[0] - t0) / 1e6, found[1]

    def start_up(self, program):
        """Milliseconds to the first window mapped, peak resident KiB, and the CPU milliseconds
        the process had used when the window was mapped."""
        t0, proc = self.start(program)
        try:
            ms, _ = self.first_window(proc, t0)
            cpu_ms = run_ns_and_switches(proc.pid)[0] / 1e6
            time.sleep(SETTLE_AFTER_MAP)
            if proc.poll() is not None:
                raise RuntimeError(f"{program} ended after showing its window")
            return ms, vm_hwm_kib(proc.pid), cpu_ms
        finally:
            self.stop(proc)

    def idle(self, program, windows, seconds):
        """CPU over two idle periods that begin a second after the program's windows-th window
        was mapped: first with the window focused as it opened, then with the focus taken away.
        For each: (ticks as ms, run time ms, wake-ups, preemptions, peak KiB at the end)."""
        t0, proc = self.start(program)
        try:
            seen = []
            for _ in range(windows):
                seen.append(self.first_window(proc, t0, seen)[1])
            periods = []
            for unfocus in (False, True):
                if unfocus:
                    self.x11.focus_root()
                time.sleep(1.0)
                ticks0, (ns0, wake0, pre0) = cpu_ticks(proc.pid), run_ns_and_switches(proc.pid)
                time.sleep(seconds)
                ticks1, (ns1, wake1, pre1) = cpu_ticks(proc.pid), run_ns_and_switches(proc.pid)
                if proc.poll() is not None:
                    raise RuntimeError(f"{program} ended while idle")
                tick_ms = 1000.0 / os.sysconf("SC_CLK_TCK")
                periods.append(((ticks1 - ticks0) * tick_ms, (ns1 - ns0) / 1e6, wake1 - wake0, pre1 - pre0,
                                vm_hwm_kib(proc.pid)))
            return periods
        finally:
            self.stop(proc)


def start_xvfb(log):
    """A private Xvfb on a free display number, which it reports once it accepts clients."""
    if not shutil.which("Xvfb"):
        sys.exit("Xvfb is needed (Debian package xvfb)")
    read_fd, write_fd = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24",
                               "-nolisten", "tcp", "-noreset"],
                              pass_fds=[write_fd], stdout=log, stderr=log)
    os.close(write_fd)
    try:
        # Up to the newline: Xvfb writes the number and the newline apart, and ends with a
        # fatal error when the pipe is closed between the two.
        reply, deadline = b"", time.monotonic() + 10
        while not reply.endswith(b"\n") and time.monotonic() < deadline:
            ready, _, _ = select.select([read_fd], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_fd, 32) if ready else b""
            if not chunk:
                break
            reply += chunk
        number = reply.decode().strip() if reply.endswith(b"\n") else ""
    except BaseException:
        kill_and_reap(server)
        raise
    finally:
        os.close(read_fd)
    if not number:
        kill_and_reap(server)
        sys.exit("Xvfb did not start")
    return server, f":{number}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("minimal")
    parser.add_argument("minimal_field")
    parser.add_argument("--runs", type=int, default=15, help="runs of each program (at least 10)")
    parser.add_argument("--idle", type=float, default=10.0, help="seconds of the idle check")
    args = parser.parse_args()
    if args.runs < 10:
        parser.error("--runs must be at least 10")

    runtime_dir = tempfile.mkdtemp(prefix="bench-runtime-")
    xvfb_log = open(os.path.join(runtime_dir, "xvfb.log"), "w+")
    server, display = start_xvfb(xvfb_log)
    bench = None
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "WAYLAND_", "XAUTHORITY"))}
    env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime_dir)
    try:
        try:
            x11 = X11(display)
        except RuntimeError:
            xvfb_log.seek(0)
            sys.exit(f"cannot open the display {display} that Xvfb reported; its output:\n{xvfb_log.read()}")
        bench = Bench(x11, env)
        programs = {"program": args.program, "minimal": args.minimal}
        print(f"Xvfb {display}; {args.runs} runs each, alternating; one warm-up run each not counted")
        for path in programs.values():
            bench.start_up(path)
        results = {name: [] for name in programs}
        for i in range(args.runs):
            order = ["program", "minimal"] if i % 2 == 0 else ["minimal", "program"]
            for name in order:
                results[name].append(bench.start_up(programs[name]))

        def column(name, index):
            return [run[index] for run in results[name]]

        print()
        print(f"{'':26}{'program':>12}{'minimal':>12}{'ratio':>8}{'target':>9}")
        verdicts = []
        for label, index, unit, target in (("start to window mapped", 0, "ms", START_TARGET),
                                           ("peak resident memory", 1, "MiB", MEMORY_TARGET)):
            scale = 1 / 1024 if unit == "MiB" else 1
            ours = statistics.median(column("program", index)) * scale
            base = statistics.median(column("minimal", index)) * scale
            ratio = ours / base
            verdicts.append(ratio <= target)
            print(f"{label + ' (' + unit + ')':26}{ours:12.1f}{base:12.1f}{ratio:8.2f}"
                  f"{'<= ' + format(target, '.2f'):>9}  {'met' if ratio <= target else 'MISSED'}")
        # CPU time is steadier than wall-clock time on a busy machine; no target, for reading.
        cpu_ours, cpu_base = statistics.median(column("program", 2)), statistics.median(column("minimal", 2))
        print(f"{'CPU time to mapped (ms)':26}{cpu_ours:12.1f}{cpu_base:12.1f}{cpu_ours / cpu_base:8.2f}")
        for label, index, scale in (("  start, min..max (ms)", 0, 1), ("  memory, min..max (MiB)", 1, 1 / 1024)):
            spans = [f"{min(column(n, index)) * scale:.1f}..{max(column(n, index)) * scale:.1f}" for n in programs]
            print(f"{label:26}{spans[0]:>12}{spans[1]:>12}")

        # utime + stime count whole clock ticks (10 ms) for the thread running when a tick falls,
        # so they read 0, 10 or 20 ms for a few milliseconds of work; the run time is exact.
        print()
        print(f"Idle for {args.idle:g} s, beginning 1 s after the last window shown "
              f"(the calculator window for the program), then {args.idle:g} s more without the focus:")
        print(f"{'':30}{'cpu (ticks)':>12}{'run time':>12}{'wake-ups':>10}{'preempted':>11}{'peak':>10}")
        idle = {}
        for name, path, windows in (("program", args.program, 2), ("minimal", args.minimal, 1),
                                    ("minimal_field", args.minimal_field, 1)):
            idle[name] = bench.idle(path, windows, args.idle)
        for name in idle:
            for i, label in enumerate(("focused", "without focus")):
                cpu_ms, run_ms, wakeups, preempted, peak = idle[name][i]
                line = (f"{name + ', ' + label:30}{cpu_ms:9.0f} ms{run_ms:9.2f} ms{wakeups:10d}{preempted:11d}"
                        f"{peak / 1024:6.1f} MiB")
                if name == "program":
                    field = idle["minimal_field"][i]
                    run_target = IDLE_RATIO * field[1] + IDLE_SLACK_MS
                    wakeup_target = IDLE_RATIO * field[2] + IDLE_SLACK_WAKEUPS
                    met = run_ms <= run_target and wakeups <= wakeup_target
                    line += (f"  target <= {run_target:.1f} ms, <= {wakeup_target:.0f} wake-ups: "
                             f"{'met' if met else 'MISSED'}")
                    verdicts.append(met)
                print(line)
        print(f"(idle targets: at most {IDLE_RATIO:g} x minimal_field's run time + {IDLE_SLACK_MS:g} ms, "
              f"and {IDLE_RATIO:g} x its wake-ups + {IDLE_SLACK_WAKEUPS})")
        print()
        print("All targets met." if all(verdicts) else "Some targets missed.")
        return 0
    finally:
        if bench:
            bench.stop_all()
        kill_and_reap(server, signal.SIGTERM)  # lets Xvfb remove its lock file and socket
        xvfb_log.close()
        shutil.rmtree(runtime_dir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
