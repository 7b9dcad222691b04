#!/usr/bin/env python3
"""The translation checks catch what they are there for."""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_translations import entry_problems  # noqa: E402


class EntryProblems(unittest.TestCase):
    def problems(self, source, translation, kind=""):
        return entry_problems("Ctx", source, translation, kind)

    def test_a_good_translation_passes(self):
        self.assertEqual(self.problems("Save %1 to %2", "%2 speichert %1"), [])
        self.assertEqual(self.problems("&Save", "&Speichern"), [])
        self.assertEqual(self.problems("Transfer summary: ", "Bilanz: "), [])
        self.assertEqual(self.problems("A && B", "A && B"), [])

    def test_untranslated_entries_fail(self):
        self.assertTrue(self.problems("Open", "", "unfinished"))
        self.assertTrue(self.problems("Open", "Öffnen", "unfinished"))
        self.assertTrue(self.problems("Open", "  "))

    def test_lost_or_added_marks_fail(self):
        self.assertTrue(self.problems("Can't save %1: %2", "Kann %1 nicht speichern"))
        self.assertTrue(self.problems("%1 found", "%1 gefunden %3"))
        self.assertTrue(self.problems("&Save", "Speichern"))
        self.assertTrue(self.problems("Save", "&Speichern"))
        self.assertTrue(self.problems("a\nb", "a b"))
        self.assertTrue(self.problems("Transfer summary: ", "Bilanz:"))


if __name__ == "__main__":
    unittest.main()
