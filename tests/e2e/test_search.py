"""The search dialog as a user works it: a phrase from the history, a service from the
menu, and the address the browser gets."""

from kromelik_e2e import MAIN_KEY, click_at, keys, probe, registry_values, text_values, wait_menu
from launch_probe import HandlerTestCase
from test_lists import put_text, wait_until

SEARCH = "Wyszukaj w internecie"
INTERNET = 420
HISTORY = MAIN_KEY + r"\FindMRU"
SERVICES = 301
PHRASE = "Zażółć gęślą & jaźń"


class Search(HandlerTestCase):

    def open_search(self):
        click_at(INTERNET + 19, 24)
        self.assertIsNotNone(wait_menu(), "the Internet menu did not open")
        keys("Up", "Return")  # its last item
        self.assertEqual(probe("wait-visible", SEARCH, "10000")[0], 0, "the search did not open")
        self.assertEqual(probe("wait-foreground", SEARCH, "10000")[0], 0)

    def test_a_phrase_from_the_history_is_searched_with_the_chosen_service(self):
        put_text(HISTORY, PHRASE, "")
        put_text(HISTORY, "abc", "")
        self.start().slide_in()
        self.open_search()

        # The services' menu: Google, "W portalu ...", then "Grupy dyskusyjne".
        probe("click", SEARCH, str(SERVICES))
        self.assertIsNotNone(wait_menu(), "the services did not show")
        keys("Down", "Down", "Down", "Return")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)

        # The history, sorted: "abc", then the Polish phrase.
        keys("Down", "Down", "Return")
        [opened] = self.log.wait_for(lambda entry: entry.program == "http-handler.exe")
        self.assertEqual(opened.arguments()[1:], [
            "http://groups.google.pl/groups/search?hl=pl&q=Za%C5%BC%C3%B3%C5%82%C4%87"
            "+g%C4%99%C5%9Bl%C4%85+%26+ja%C5%BA%C5%84"])
        self.assertEqual(probe("wait-hidden", SEARCH, "10000")[0], 0, "the dialog stayed open")
        self.assertEqual(registry_values(MAIN_KEY).get("wyszukiwarka"), ("REG_DWORD", "0x5"))
        self.assertEqual(wait_until(lambda: text_values(HISTORY), lambda v: v and PHRASE in v),
                         {PHRASE: "", "abc": ""})
