#!/usr/bin/python3
"""A sample player for Brisko's open seat (docs/extern-protocol.md).

It takes the discard pile's top card when it is a joker or completes a meld,
lays out the sets and runs of its natural cards as soon as it may, exchanges
the table's jokers for its cards, lays off what fits (jokers too) and throws
away its loneliest card, the highest first. Standard library only:

    brisko_selfplay --match stark-extern --extern "python3 tools/selfplay/sample_player.py"
    brisko_selfplay --table stark,klassisch,extern --extern "python3 tools/selfplay/sample_player.py"
"""
import json
import sys

SUITS = ["Ka", "He", "Bl", "Kr"]
RANKS = {"2": 2, "3": 3, "4": 4, "5": 5, "6": 6, "7": 7, "8": 8, "9": 9, "10": 10,
         "B": 11, "D": 12, "K": 13, "A": 14}
NAMES = {rank: name for name, rank in RANKS.items()}


def parse(card):
    """'He7' -> ('He', 7); a joker on the table, '*He7', counts as what it stands for; '*' -> ('*', 0)."""
    card = card[1:] if card.startswith("*") and len(card) > 1 else card
    return ("*", 0) if card == "*" else (card[:2], RANKS[card[2:]])


def points(meld):
    # Every meld this player builds has its ace at the top, where it counts 11.
    return sum(rank if rank <= 10 else 11 if rank == 14 else 10 for _, rank in map(parse, meld))


def melds_in(hand):
    """The sets and runs of natural cards in the hand, the most points first."""
    found = []
    for rank in range(2, 15):
        suits = sorted({suit for suit, r in map(parse, hand) if r == rank})
        if len(suits) >= 3:
            found.append([suit + NAMES[rank] for suit in suits])
    for suit in SUITS:
        run = []
        for rank in sorted({r for s, r in map(parse, hand) if s == suit}) + [None]:
            if run and rank == run[-1] + 1:
                run.append(rank)
                continue
            if len(run) >= 3:
                found.append([suit + NAMES[r] for r in run])
            run = [rank]
    return sorted(found, key=points, reverse=True)


def fits(meld, card):
    """Whether the card may join the meld at an end, as this player sees it."""
    if "*" in meld:
        return False  # it took a joker this turn, and only the game knows where it went
    cards = [parse(c) for c in meld]
    suits = {s for s, _ in cards}
    ranks = sorted(r for _, r in cards)
    suit, rank = parse(card)
    if ranks[0] == ranks[-1]:
        return len(cards) < 4 and (suit == "*" or (rank == ranks[0] and suit not in suits))
    if len(cards) >= 13 or ranks[-1] - ranks[0] + 1 != len(cards):
        return False  # full, or it turns the corner from king to two: left alone
    return suit == "*" or (suits == {suit} and rank in (ranks[0] - 1, ranks[-1] + 1) and 2 <= rank <= 14)


def draw(message):
    pile = message["pile"]
    if pile and (pile[-1] == "*" or any(pile[-1] in m for m in melds_in(message["hand"] + pile[-1:]))):
        return "pile"
    return "stock" if message["stock"] > 0 or len(pile) >= 2 else "pile"


def play(message):
    hand = list(message["hand"])
    table = [list(m) for m in message["melds"]]
    came_out = message["came_out"]
    answer = {"exchanges": [], "melds": [], "layoffs": []}
    if came_out:
        for meld in table:
            for place, card in enumerate(meld):
                if card.startswith("*") and card[1:] in hand:
                    answer["exchanges"].append(card[1:])
                    hand.remove(card[1:])
                    hand.append("*")
                    meld[place] = card[1:]
    while True:
        allowed = [m for m in melds_in(hand)
                   if len(m) < len(hand) and (came_out or points(m) >= message["minimum"])]
        if not allowed:
            break
        answer["melds"].append(allowed[0])
        table.append(list(allowed[0]))
        came_out = True
        for card in allowed[0]:
            hand.remove(card)
    laying = came_out
    while laying:
        laying = False
        for card in sorted(hand, key=lambda c: c == "*"):
            index = next((i for i, meld in enumerate(table) if fits(meld, card)), None)
            if index is not None and len(hand) > 1:
                answer["layoffs"].append({"meld": index, "cards": [card]})
                table[index].append(card)
                hand.remove(card)
                laying = True
                break
    answer["discard"] = discard(hand)
    return answer


def discard(hand):
    def friends(card):
        suit, rank = parse(card)
        return sum(1 for other in map(parse, hand)
                   if other[1] == rank or (other[0] == suit and abs(other[1] - rank) <= 2))
    naturals = [c for c in hand if c != "*"] or hand
    return min(naturals, key=lambda c: (friends(c), -parse(c)[1]))


def main():
    games = minus = 0
    for line in sys.stdin:
        message = json.loads(line)
        kind = message["type"]
        if kind == "end":
            games += 1
            minus += message["points"][0]  # this player's own come first
            continue
        if kind == "hello":
            # Version 3 where offered: the only one a table of three or four takes.
            answer = {"name": "sample 1", "protocol": max(v for v in message["versions"] if v <= 3)}
        elif kind == "draw":
            answer = {"draw": draw(message)}
        elif kind == "play":
            answer = play(message)
        else:
            continue  # "game" takes no answer
        if "id" in message:
            answer["id"] = message["id"]  # versions 2 and 3: the answer names its question
        print(json.dumps(answer), flush=True)
    if games:
        print(f"sample 1: {minus / games:.1f} minus points per game over {games}", file=sys.stderr)


if __name__ == "__main__":
    main()
