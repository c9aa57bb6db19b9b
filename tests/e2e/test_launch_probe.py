"""The log that the launch tests read: probes that write it at the same moment must each
keep their line, or a test misses a launch that did happen and fails now and then."""

import os
import shutil
import subprocess
import tempfile
import unittest

import launch_probe
from launch_probe import LaunchLog


class ProbesWritingTheLog(unittest.TestCase):
    def setUp(self):
        folder = tempfile.mkdtemp(prefix="kromelik-launch-")
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        self.log = LaunchLog(os.path.join(folder, "launch.log"))

    def test_probes_writing_at_once_lose_no_line(self):
        env = launch_probe.launch_environment(log=self.log)
        probe = os.environ["KROMELIK_LAUNCH_PROBE"]
        started = [subprocess.Popen([launch_probe.WINE, probe, f"równolegle-{i}"],
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL, env=env)
                   for i in range(16)]
        for process in started:
            self.assertEqual(process.wait(timeout=60), 0)
        entries = self.log.wait_for("równolegle-", count=16)
        self.assertEqual(sorted(e.arguments()[1] for e in entries),
                         sorted(f"równolegle-{i}" for i in range(16)))
        self.assertEqual(len(self.log.entries()), 16)


if __name__ == "__main__":
    unittest.main()
