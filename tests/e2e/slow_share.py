"""A folder that answers as slowly as a network share that stopped answering: a FUSE
passthrough whose every lookup below its root, listing and open waits as long as a
control file says.
The tests map it into the prefix as a drive. Run with Debian's /usr/bin/python3, which
has fusepy; SlowShare starts it as a process of its own and always unmounts it."""

import errno
import os
import shutil
import subprocess
import sys
import tempfile
import time

FUSE_PYTHON = "/usr/bin/python3"


class SlowShare:
    """Mounted on entry, unmounted on exit. `root` holds the files it shows; `slow(s)`
    makes each file-system call of Wine's wait `s` seconds from then on."""

    def __init__(self):
        self.base = tempfile.mkdtemp(prefix="kromelik-share-")
        self.root = os.path.join(self.base, "root")
        self.mount = os.path.join(self.base, "mount")
        self.control = os.path.join(self.base, "delay")
        os.makedirs(self.root)
        os.makedirs(self.mount)
        self.slow(0)
        self.process = None

    def slow(self, seconds):
        with open(self.control + ".new", "w") as control:
            control.write(str(seconds))
        os.replace(self.control + ".new", self.control)

    def __enter__(self):
        self.process = subprocess.Popen([FUSE_PYTHON, __file__, self.root, self.mount,
                                         self.control])
        deadline = time.monotonic() + 20
        while not os.path.ismount(self.mount):
            if self.process.poll() is not None or time.monotonic() > deadline:
                self.__exit__(None, None, None)
                raise AssertionError("the slow share did not mount")
            time.sleep(0.05)
        return self

    def __exit__(self, *exception):
        self.slow(0)
        subprocess.run(["fusermount", "-u", "-z", self.mount], capture_output=True, timeout=30)
        if self.process is not None:
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait(timeout=10)
        shutil.rmtree(self.base, ignore_errors=True)
        return False


def serve(root, mount, control):
    from fusepy import FUSE, FuseOSError, Operations

    def wait():
        try:
            with open(control) as delay:
                seconds = float(delay.read() or 0)
        except (OSError, ValueError):
            seconds = 0
        if seconds > 0:
            time.sleep(seconds)

    class Passthrough(Operations):
        def _real(self, path):
            return os.path.join(root, path.lstrip("/"))

        def getattr(self, path, fh=None):
            # The mount point itself answers at once: Wine looks at every mount point of
            # the machine whenever a volume's information is asked, even C:'s, which a
            # hanging share on Windows never holds up.
            if path != "/":
                wait()
            try:
                st = os.lstat(self._real(path))
            except OSError as error:
                raise FuseOSError(error.errno or errno.ENOENT)
            return {key: getattr(st, key) for key in (
                "st_mode", "st_nlink", "st_size", "st_uid", "st_gid",
                "st_atime", "st_mtime", "st_ctime")}

        def readdir(self, path, fh):
            wait()
            return [".", ".."] + os.listdir(self._real(path))

        def open(self, path, flags):
            wait()
            return os.open(self._real(path), flags)

        def read(self, path, size, offset, fh):
            os.lseek(fh, offset, os.SEEK_SET)
            return os.read(fh, size)

        def release(self, path, fh):
            os.close(fh)

        def statfs(self, path):
            st = os.statvfs(root)
            return {key: getattr(st, key) for key in (
                "f_bavail", "f_bfree", "f_blocks", "f_bsize", "f_favail", "f_ffree",
                "f_files", "f_flag", "f_frsize", "f_namemax")}

    FUSE(Passthrough(), mount, foreground=True, nothreads=False, ro=True)


if __name__ == "__main__":
    serve(*sys.argv[1:4])
