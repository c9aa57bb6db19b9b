"""Start and end of the real program, and what its first start leaves in the registry."""

import os
import unittest

from kromelik_e2e import MAIN_KEY, ProgramTestCase, registry_values, windows_path, wine


class FirstStart(ProgramTestCase):
    def test_first_start_registers_the_program_and_nothing_else(self):
        self.assertIsNone(registry_values(MAIN_KEY), "the prefix must not know the program yet")

        program = self.start()
        self.assertEqual(program.close(), 0, "closing the main window ends the program cleanly")

        values = registry_values(MAIN_KEY)
        self.assertIsNotNone(values, "the main key was not created")
        self.assertEqual(sorted(values), ["Name", "Path", "Version"])
        self.assertEqual(values["Version"], ("REG_SZ", os.environ["KROMELIK_VERSION"]))
        self.assertEqual(values["Name"], ("REG_SZ", "Kromelik"))
        self.assertEqual(values["Path"][0], "REG_SZ")
        self.assertEqual(values["Path"][1].lower(), windows_path(program.exe).lower())

        code, out = wine("reg", "query", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run",
                         "/v", "Kromelik")
        self.assertNotEqual(code, 0, f"no autostart value may be written: {out}")

    def test_a_moved_program_registers_again_and_a_kept_one_does_not(self):
        wine("reg", "add", MAIN_KEY, "/v", "Path", "/t", "REG_SZ",
             "/d", r"C:\nowhere\kromelik.exe", "/f", check=True)
        wine("reg", "add", MAIN_KEY, "/v", "Version", "/t", "REG_SZ", "/d", "1.0.0.0", "/f",
             check=True)
        self.assertEqual(self.start().close(), 0)
        values = registry_values(MAIN_KEY)
        self.assertEqual(values["Version"], ("REG_SZ", os.environ["KROMELIK_VERSION"]))

        # Registered where it is now: a second start leaves the values as they are.
        wine("reg", "add", MAIN_KEY, "/v", "Version", "/t", "REG_SZ", "/d", "1.0.0.0", "/f",
             check=True)
        self.assertEqual(self.start().close(), 0)
        self.assertEqual(registry_values(MAIN_KEY)["Version"], ("REG_SZ", "1.0.0.0"))


if __name__ == "__main__":
    unittest.main()
