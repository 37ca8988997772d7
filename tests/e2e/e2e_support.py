"""What the end-to-end scripts share: failing a case, checking the binaries,
and a simulated gateway started for one case and stopped by its process id."""
import os
import select
import signal
import subprocess
import sys


def fail(text):
    print("FAIL: " + text)
    sys.exit(1)


def run_cli(cli, *args, expect=0, env=None):
    """Runs the command line; a different exit status fails the case."""
    result = subprocess.run([cli, *args], capture_output=True, text=True, env=env)
    if result.returncode != expect:
        fail(f"{' '.join(args)}: exit {result.returncode}, expected {expect}\n"
             f"stdout: {result.stdout}\nstderr: {result.stderr}")
    return result


def project_from_json(cli, data, work, name):
    """The project file `import` builds from DATA/name.json, in WORK."""
    chg = os.path.join(work, name + ".chg")
    run_cli(cli, "import", os.path.join(data, name + ".json"), "--output", chg)
    return chg


def require_binaries(*binaries):
    for binary in binaries:
        if not os.access(binary, os.X_OK):
            fail("missing binary " + binary)  # a missing build must not pass as a skip


class SimulatorProcess:
    """brenmoor-gateway-sim run with `command`; `device` is the path it prints
    on its first line."""

    def __init__(self, command):
        self.proc = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                     text=True)
        ready, _, _ = select.select([self.proc.stdout], [], [], 10)
        if not ready:
            self.stop()
            fail("simulator printed no device path")
        self.device = self.proc.stdout.readline().strip()
        if not self.device.startswith("/dev/"):
            self.stop()
            fail("simulator did not start: " + self.device + self.proc.stderr.read())

    def stop(self):
        if self.proc.poll() is None:
            os.kill(self.proc.pid, signal.SIGTERM)
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            os.kill(self.proc.pid, signal.SIGKILL)
            self.proc.wait()
        return self.proc.returncode

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()
