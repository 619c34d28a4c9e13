"""A print server of the test's own: cupsd with its configuration, spool, logs and socket in a
temporary folder, and one queue, its default, that writes PDF to a file there. Clients
reach it through CUPS_SERVER; the machine's own CUPS, queues and default printer stay untouched."""

import grp
import os
import pwd
import shutil
import signal
import subprocess
import tempfile
import time
from pathlib import Path

QUEUE = "Parsiva-Test"
# A PDF printer: the job leaves CUPS's filters as PDF, so its text can be read back.
DRIVER = Path(__file__).resolve().parent / "pdf-file.ppd"

CUPSD_CONF = """LogLevel info
Listen {socket}
Browsing No
WebInterface No
DefaultAuthType None
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
"""

# A root cupsd runs its filters as User; an ordinary user's runs them as that user.
CUPS_FILES_CONF = """User {user}
Group {group}
SystemGroup {system_group}
FileDevice Yes
ServerRoot {root}/conf
StateDir {root}/state
CacheDir {root}/cache
RequestRoot {root}/spool
TempDir {root}/spool/tmp
AccessLog {root}/log/access_log
ErrorLog {root}/log/error_log
PageLog {root}/log/page_log
"""


class Unavailable(Exception):
    """The private server could not be set up here; the message says why."""


class PrivateCups:
    def __init__(self):
        self.root = None
        self.process = None

    @property
    def output(self):
        return self.root / "printed.pdf"

    @property
    def socket(self):
        return str(self.root / "cups.sock")

    def client(self, *command):
        """Runs a CUPS client command against this server only."""
        env = dict(os.environ, CUPS_SERVER=self.socket)
        return subprocess.run(list(command), env=env, capture_output=True, text=True, timeout=30)

    def __enter__(self):
        if not shutil.which("cupsd") or not shutil.which("lpadmin"):
            raise Unavailable("cups is not installed")
        self.root = Path(tempfile.mkdtemp(prefix="parsiva-cups-"))
        try:
            self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start(self):
        root = self.root
        for folder in ("conf", "state", "cache", "spool", "log"):
            (root / folder).mkdir()
        if os.geteuid() == 0:
            # The filters run as lp: they read the spool and write their own temporary files.
            user, group = "lp", "lp"
            root.chmod(0o755)
            (root / "spool").chmod(0o755)
        else:
            user = pwd.getpwuid(os.getuid()).pw_name
            group = grp.getgrgid(os.getgid()).gr_name
        (root / "spool" / "tmp").mkdir(mode=0o1777)
        (root / "spool" / "tmp").chmod(0o1777)
        (root / "conf" / "cupsd.conf").write_text(CUPSD_CONF.format(socket=self.socket))
        (root / "conf" / "cups-files.conf").write_text(
            CUPS_FILES_CONF.format(user=user, group=group, system_group=grp.getgrgid(os.getgid()).gr_name,
                                   root=root))
        # cupsd opens a file: device without creating it.
        self.output.touch()
        with open(root / "log" / "cupsd.out", "wb") as log:
            self.process = subprocess.Popen(
                ["cupsd", "-f", "-c", str(root / "conf" / "cupsd.conf"), "-s",
                 str(root / "conf" / "cups-files.conf")],
                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        deadline = time.monotonic() + 30
        while not self.client("lpstat", "-r").stdout.startswith("scheduler is running"):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise Unavailable(f"the private cupsd did not start: {self.log()}")
            time.sleep(0.1)
        for command in (["lpadmin", "-h", self.socket, "-p", QUEUE, "-E", "-v", f"file://{self.output}",
                         "-P", str(DRIVER)],
                        ["lpadmin", "-h", self.socket, "-d", QUEUE]):
            done = self.client(*command)
            if done.returncode != 0:
                raise Unavailable(f"{' '.join(command[:4])} failed: {done.stderr.strip()} {self.log()}")

    def reject_jobs(self):
        """Makes the queue turn every new job away, as an administrator may."""
        done = self.client("cupsreject", "-h", self.socket, QUEUE)
        if done.returncode != 0:
            raise Unavailable(f"cupsreject failed: {done.stderr.strip()} {self.log()}")

    def log(self):
        path = self.root / "log" / "error_log"
        return path.read_text(errors="replace")[-2000:] if path.exists() else ""

    def completed_jobs(self):
        return self.client("lpstat", "-W", "completed", "-o", QUEUE).stdout.splitlines()

    def printed_text(self):
        """The text of what reached the queue's file, or "" while nothing has."""
        if not self.output.exists() or self.output.stat().st_size == 0:
            return ""
        done = subprocess.run(["pdftotext", str(self.output), "-"], capture_output=True, text=True, timeout=60)
        return done.stdout

    def __exit__(self, *exc):
        if self.process is not None and self.process.poll() is None:
            # cupsd and the filters of a job still running share its process group.
            try:
                os.killpg(self.process.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        if self.root is not None:
            shutil.rmtree(self.root, ignore_errors=True)
        return False
