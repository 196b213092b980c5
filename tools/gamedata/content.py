"""What the default game folder holds: fish, tackle, waters, records.

Everything here is plain data; writers.py turns it into the game's files.
"""

# ---------------------------------------------------------------- tackle

# Rods: name, breaking strength (g), price ($).  The cheapest rod plus the
# cheapest line and bait stay well under the 50 dollars a new angler has; the
# second rod is what a first hour at the water should pay for (tools/balance).
RODS = [
    ("Удочка бамбуковая", 2000, 12),
    ("Удочка телескопическая", 3500, 35),
    ("Спиннинг легкий", 5000, 70),
    ("Матчевое удилище", 8000, 110),
    ("Спиннинг щучий", 13000, 170),
    ("Карповое удилище", 20000, 260),
    ("Спиннинг сомовый", 40000, 400),
]

# Lines: breaking strength (g); price ($).
LINES = [
    (1500, 2),
    (2500, 4),
    (4000, 7),
    (6000, 12),
    (9000, 20),
    (14000, 32),
    (20000, 50),
    (30000, 80),
]

# Baits: name, portions, price ($).  `look` tells the item painter what to draw.
BAITS = [
    ("Хлеб", 20, 1, "bread"),
    ("Тесто", 25, 1, "dough"),
    ("Червь", 30, 2, "worm"),
    ("Опарыш", 30, 2, "maggot"),
    ("Мотыль", 30, 3, "bloodworm"),
    ("Перловка", 30, 2, "barley"),
    ("Кукуруза", 25, 3, "corn"),
    ("Выползок", 20, 4, "crawler"),
    ("Живец", 12, 5, "livebait"),
]

# Lures: name, power (kept by the game, read by no rule), price ($).
LURES = [
    ("Вертушка", 2, 5, "spinner"),
    ("Колебалка", 3, 6, "spoon"),
    ("Твистер", 1, 3, "twister"),
    ("Виброхвост", 2, 4, "shad"),
    ("Воблер", 4, 10, "wobbler"),
    ("Поппер", 3, 8, "popper"),
]

# The three lure sizes the shop offers give these bait keys.
LURE_KEYS = ["блесна м", "блесна с", "блесна б"]

# ---------------------------------------------------------------- fish

# name, file, min g, max g, typical g (line 4), strength, caution, picture key,
# baits [(bait name or lure key, chance)], grams per price unit, dollars per unit.
SPECIES = [
    dict(name="щука", file="01_shchuka.txt", min=700, max=1800, typical=1000, strength=120, caution=60,
         key="щука", art="fish_pike", unit=900, price=4,
         baits=[("Живец", 80), ("блесна с", 60), ("блесна б", 70), ("блесна м", 30), ("Выползок", 15)]),
    dict(name="окунь", file="02_okun.txt", min=80, max=200, typical=110, strength=60, caution=30,
         key="окунь", art="fish_perch", unit=100, price=1,
         baits=[("Червь", 70), ("Мотыль", 40), ("Опарыш", 30), ("Живец", 40), ("блесна м", 70), ("блесна с", 30)]),
    dict(name="плотва", file="03_plotva.txt", min=60, max=150, typical=80, strength=40, caution=40,
         key="плотва", art="fish_roach", unit=75, price=1,
         baits=[("Опарыш", 70), ("Мотыль", 70), ("Хлеб", 50), ("Тесто", 40), ("Червь", 40), ("Перловка", 40)]),
    dict(name="лещ", file="04_leshch.txt", min=500, max=1200, typical=700, strength=70, caution=70,
         key="лещ", art="fish_bream", unit=600, price=3,
         baits=[("Червь", 50), ("Опарыш", 40), ("Мотыль", 40), ("Кукуруза", 40), ("Перловка", 50), ("Тесто", 30)]),
    dict(name="карась", file="05_karas.txt", min=120, max=300, typical=160, strength=50, caution=35,
         key="карась", art="fish_crucian", unit=150, price=1,
         baits=[("Червь", 60), ("Хлеб", 60), ("Тесто", 70), ("Перловка", 50), ("Кукуруза", 30), ("Мотыль", 30)]),
    dict(name="карп", file="06_karp.txt", min=1200, max=2900, typical=1600, strength=130, caution=75,
         key="карп", art="fish_carp", unit=1500, price=5,
         baits=[("Кукуруза", 70), ("Тесто", 50), ("Перловка", 40), ("Червь", 30)]),
    dict(name="сом", file="07_som.txt", min=4000, max=10000, typical=5500, strength=200, caution=85,
         key="сом", art="fish_catfish", unit=5000, price=15,
         baits=[("Выползок", 60), ("Живец", 50), ("блесна б", 20)]),
    dict(name="судак", file="08_sudak.txt", min=600, max=1500, typical=850, strength=110, caution=70,
         key="судак", art="fish_zander", unit=750, price=4,
         baits=[("Живец", 70), ("блесна с", 50), ("блесна м", 40), ("блесна б", 30)]),
    dict(name="жерех", file="09_zherekh.txt", min=500, max=1200, typical=700, strength=100, caution=65,
         key="жерех", art="fish_asp", unit=600, price=3,
         baits=[("блесна м", 50), ("блесна с", 60), ("Живец", 30)]),
    dict(name="голавль", file="10_golavl.txt", min=250, max=600, typical=350, strength=80, caution=70,
         key="голавль", art="fish_chub", unit=300, price=2,
         baits=[("Хлеб", 30), ("Червь", 40), ("Кукуруза", 30), ("Опарыш", 30), ("блесна м", 40)]),
    dict(name="язь", file="11_yaz.txt", min=300, max=700, typical=400, strength=75, caution=60,
         key="язь", art="fish_ide", unit=350, price=2,
         baits=[("Червь", 50), ("Опарыш", 40), ("Перловка", 40), ("Кукуруза", 30), ("блесна м", 25)]),
    dict(name="линь", file="12_lin.txt", min=250, max=600, typical=350, strength=70, caution=55,
         key="линь", art="fish_tench", unit=300, price=2,
         baits=[("Червь", 60), ("Мотыль", 40), ("Тесто", 40), ("Опарыш", 30)]),
    dict(name="ёрш", file="13_yorsh.txt", min=25, max=60, typical=35, strength=30, caution=20,
         key="ёрш", art="fish_ruffe", unit=30, price=1,
         baits=[("Червь", 60), ("Мотыль", 70), ("Опарыш", 40)]),
    dict(name="уклейка", file="14_ukleyka.txt", min=15, max=35, typical=20, strength=30, caution=25,
         key="уклейка", art="fish_bleak", unit=15, price=1,
         baits=[("Опарыш", 70), ("Хлеб", 50), ("Мотыль", 40), ("Тесто", 30)]),
    dict(name="налим", file="15_nalim.txt", min=400, max=950, typical=550, strength=90, caution=50,
         key="налим", art="fish_burbot", unit=500, price=2,
         baits=[("Живец", 50), ("Червь", 40), ("Выползок", 60)]),
    dict(name="синец", file="16_sinets.txt", min=150, max=400, typical=220, strength=50, caution=80,
         key="синец", art="fish_bluebream", unit=200, price=5,
         baits=[("Мотыль", 50), ("Опарыш", 40), ("Червь", 30)]),
    dict(name="усач", file="17_usach.txt", min=600, max=1500, typical=850, strength=110, caution=85,
         key="усач", art="fish_barbel", unit=750, price=8,
         baits=[("Червь", 40), ("Выползок", 40), ("Кукуруза", 30), ("Мотыль", 30)]),
]

RARE_SPECIES = ("сом", "синец", "усач")

# ---------------------------------------------------------------- waters

# A place: its name (the map file keeps it on the skipped line), a point near
# the shore on the map picture (the marker is snapped to the water's edge),
# how its picture looks, the cast line and shore line in picture pixels,
# the snag chance (out of 6000 per reel step; a retrieve is some 300 steps) and its fish with abundance 1..100.
MAPS = [
    dict(folder="lake", title="Лесное озеро", note="Озеро в сосновом лесу", places=[
        dict(name="Сосновый мыс", near=(205, 150),
             look=dict(time="morning", season="summer", far="pines", extras=["reeds_left"], near="sand"),
             cast=150, shore=300, snag=2,
             fish=[("окунь", 70), ("плотва", 100), ("щука", 30), ("ёрш", 40), ("уклейка", 60)]),
        dict(name="Березовая заводь", near=(470, 120),
             look=dict(time="noon", season="summer", far="birches", extras=["lilies"], near="grass"),
             cast=175, shore=310, snag=2,
             fish=[("карась", 80), ("линь", 40), ("плотва", 60), ("окунь", 40), ("щука", 20)]),
        dict(name="Камышовый плес", near=(520, 330),
             look=dict(time="evening", season="summer", far="mixed", extras=["reeds_left", "reeds_right"], near="grass"),
             cast=140, shore=295, snag=2,
             fish=[("лещ", 60), ("плотва", 70), ("синец", 10), ("линь", 30), ("щука", 25)]),
        dict(name="У острова", near=(300, 390),
             look=dict(time="overcast", season="summer", far="island", extras=[], near="stones"),
             cast=160, shore=320, snag=2,
             fish=[("лещ", 50), ("налим", 20), ("синец", 8), ("окунь", 60), ("ёрш", 30)]),
        dict(name="Западный берег", near=(110, 300),
             look=dict(time="noon", season="autumn", far="birches", extras=["reeds_right"], near="grass"),
             cast=130, shore=305, snag=1,
             fish=[("щука", 40), ("окунь", 80), ("налим", 25), ("плотва", 50), ("уклейка", 40)]),
    ]),
    dict(folder="river", title="Река Быстрица", note="Быстрая река с перекатами", places=[
        dict(name="Перекат", near=(95, 200),
             look=dict(time="noon", season="summer", far="meadow", extras=["current"], near="stones"),
             cast=185, shore=330, snag=2,
             fish=[("голавль", 70), ("жерех", 30), ("усач", 10), ("уклейка", 100), ("плотва", 50)]),
        dict(name="Омут под обрывом", near=(250, 120),
             look=dict(time="evening", season="summer", far="cliff", extras=[], near="grass"),
             cast=125, shore=300, snag=2,
             fish=[("сом", 8), ("судак", 30), ("лещ", 40), ("налим", 20), ("ёрш", 50)]),
        dict(name="Старый мост", near=(385, 290),
             look=dict(time="overcast", season="summer", far="bridge", extras=["current"], near="sand"),
             cast=155, shore=315, snag=2,
             fish=[("язь", 60), ("голавль", 40), ("окунь", 60), ("щука", 25), ("сом", 5)]),
        dict(name="Излучина", near=(520, 200),
             look=dict(time="morning", season="autumn", far="mixed", extras=["reeds_right"], near="sand"),
             cast=145, shore=290, snag=2,
             fish=[("судак", 40), ("жерех", 40), ("усач", 6), ("лещ", 30), ("плотва", 70)]),
        dict(name="Затон", near=(600, 400),
             look=dict(time="noon", season="spring", far="bare", extras=["reeds_left"], near="grass"),
             cast=170, shore=320, snag=2,
             fish=[("язь", 50), ("щука", 40), ("плотва", 80), ("окунь", 50), ("налим", 15)]),
    ]),
    dict(folder="pond", title="Старый пруд", note="Заросший пруд у деревни", places=[
        dict(name="Плотина", near=(320, 425),
             look=dict(time="noon", season="summer", far="dam", extras=[], near="stones"),
             cast=190, shore=325, snag=1,
             fish=[("карп", 40), ("карась", 100), ("плотва", 50), ("окунь", 30)]),
        dict(name="Кувшинки", near=(165, 215),
             look=dict(time="morning", season="summer", far="birches", extras=["lilies", "reeds_left"], near="grass"),
             cast=165, shore=300, snag=2,
             fish=[("карась", 80), ("линь", 60), ("карп", 20), ("уклейка", 50)]),
        dict(name="Старые ивы", near=(470, 135),
             look=dict(time="evening", season="summer", far="willows", extras=["lilies"], near="grass"),
             cast=150, shore=310, snag=2,
             fish=[("карп", 50), ("линь", 40), ("карась", 60), ("ёрш", 30)]),
        dict(name="Мостки", near=(505, 330),
             look=dict(time="rain", season="autumn", far="village", extras=["reeds_right"], near="planks"),
             cast=180, shore=335, snag=2,
             fish=[("карась", 70), ("плотва", 60), ("окунь", 50), ("карп", 25), ("уклейка", 40)]),
    ]),
]

FIRST_MAP = "lake"

# ---------------------------------------------------------------- records book

# key (a species picture key), weight (g), holder.  Good catches, a little
# above what the evaluation buys, below what each water can give.
RECORDS = [
    ("щука", 950, "Дед Митяй"),
    ("окунь", 105, "Серега Окунятник"),
    ("плотва", 80, "Петрович"),
    ("лещ", 640, "Кузьмич"),
    ("карась", 160, "Тетя Зина"),
    ("карп", 1550, "Валера Карпятник"),
    ("сом", 5400, "Степаныч"),
    ("судак", 800, "Матвей с хутора"),
    ("жерех", 640, "Леха Спиннингист"),
    ("голавль", 320, "Петрович"),
    ("линь", 320, "Тетя Зина"),
    ("налим", 510, "Дед Митяй"),
    ("синец", 215, "Кузьмич"),
    ("усач", 800, "Степаныч"),
]
