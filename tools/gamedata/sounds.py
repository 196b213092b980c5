"""Ambient sounds of the fishing places and the crack of a breaking rod.

Everything is synthesised: shaped noise, chirps and envelopes.  16-bit PCM
mono at 22050 Hz, normalised well below full scale, with short fades.
"""

import os
import wave

import numpy as np

from paint import rng_for

RATE = 22050
PEAK = 10 ** (-3 / 20)      # -3 dBFS


def t_axis(seconds):
    return np.arange(int(seconds * RATE)) / RATE


def band(x, lo, hi, soft=0.25):
    """FFT band-pass with soft (log-frequency) edges."""
    n = len(x)
    X = np.fft.rfft(x)
    f = np.fft.rfftfreq(n, 1 / RATE)
    lf = np.log2(np.maximum(f, 1.0))
    g = np.ones_like(f)
    if lo:
        g *= 1 / (1 + np.exp(-(lf - np.log2(lo)) / soft))
    if hi:
        g *= 1 / (1 + np.exp((lf - np.log2(hi)) / soft))
    return np.fft.irfft(X * g, n)


def pink(n, rng):
    X = np.fft.rfft(rng.standard_normal(n))
    f = np.fft.rfftfreq(n, 1 / RATE)
    X /= np.sqrt(np.maximum(f, 20.0))
    y = np.fft.irfft(X, n)
    return y / (np.abs(y).max() + 1e-9)


def smooth_env(n, points, rng=None):
    """Piecewise-linear envelope through (time fraction, level) points, smoothed."""
    ts = np.array([p[0] for p in points]) * (n - 1)
    vs = np.array([p[1] for p in points])
    env = np.interp(np.arange(n), ts, vs)
    k = max(1, int(RATE * 0.02))
    env = np.convolve(env, np.ones(k) / k, mode="same")
    return env


def decay(n, attack, tau):
    t = np.arange(n) / RATE
    env = np.exp(-np.maximum(t - attack, 0) / tau)
    a = max(1, int(attack * RATE))
    env[:a] = np.linspace(0, 1, a)
    r = min(n, int(0.006 * RATE))
    env[n - r:] *= np.linspace(1, 0, r)
    return env


def tone_window(n, attack=0.015, release=0.03):
    """Raised-cosine attack and release, so notes start and stop without clicks."""
    w = np.ones(n)
    a = min(n // 2, max(1, int(attack * RATE)))
    r = min(n // 2, max(1, int(release * RATE)))
    w[:a] = 0.5 - 0.5 * np.cos(np.linspace(0, np.pi, a))
    w[n - r:] = 0.5 + 0.5 * np.cos(np.linspace(0, np.pi, r))
    return w


def place(out, sig, at):
    i = int(at * RATE)
    j = min(len(out), i + len(sig))
    if j > i:
        out[i:j] += sig[:j - i]


def reverb(x, rng, length=1.2, mix=0.3, tone=3000):
    n = int(length * RATE)
    ir = rng.standard_normal(n) * np.exp(-np.arange(n) / RATE / (length / 5))
    ir = band(ir, None, tone)
    ir /= np.abs(ir).sum() ** 0.5 * 8
    wet = np.fft.irfft(np.fft.rfft(x, len(x) + n) * np.fft.rfft(ir, len(x) + n), len(x) + n)[:len(x)]
    wet *= np.abs(x).max() / (np.abs(wet).max() + 1e-9)
    return x * (1 - mix) + wet * mix


def chirp(f0, f1, dur, shape="exp"):
    t = t_axis(dur)
    if shape == "exp":
        f = f0 * (f1 / f0) ** (t / dur)
    else:
        f = f0 + (f1 - f0) * t / dur
    return np.sin(2 * np.pi * np.cumsum(f) / RATE)


# ---------------------------------------------------------------- the sounds

def water_lapping(rng):
    n = int(6.0 * RATE)
    out = 0.25 * band(rng.standard_normal(n), 80, 500) * (0.6 + 0.4 * np.sin(2 * np.pi * 0.3 * t_axis(6.0)))
    at = 0.1
    while at < 5.6:
        m = int(rng.uniform(0.35, 0.7) * RATE)
        burst = band(rng.standard_normal(m), rng.uniform(150, 300), rng.uniform(700, 1400))
        burst *= decay(m, rng.uniform(0.04, 0.1), rng.uniform(0.08, 0.16))
        place(out, burst * rng.uniform(0.6, 1.0), at)
        at += rng.uniform(0.3, 0.8)
    return out


def splash(rng):
    n = int(3.0 * RATE)
    out = np.zeros(n)
    m = int(0.9 * RATE)
    body = band(rng.standard_normal(m), 200, 3500) * decay(m, 0.01, 0.18)
    place(out, body, 0.3)
    thump = chirp(180, 60, 0.25) * decay(int(0.25 * RATE), 0.005, 0.07)
    place(out, thump * 0.8, 0.3)
    for _ in range(22):
        f = rng.uniform(900, 3200)
        d = rng.uniform(0.03, 0.07)
        drop = chirp(f, f * rng.uniform(1.2, 1.6), d) * decay(int(d * RATE), 0.002, d / 4)
        place(out, drop * rng.uniform(0.15, 0.4), 0.45 + rng.exponential(0.35))
    return reverb(out, rng, 0.8, 0.2)


def birds(rng):
    n = int(6.5 * RATE)
    out = 0.03 * band(rng.standard_normal(n), 300, 4000)
    at = 0.3
    while at < 6.0:
        kind = rng.integers(0, 3)
        if kind == 0:       # a quick rising whistle, repeated
            base = rng.uniform(2600, 4200)
            for k in range(rng.integers(2, 5)):
                d = rng.uniform(0.07, 0.12)
                s = chirp(base, base * rng.uniform(1.2, 1.5), d)
                s += 0.3 * chirp(base * 2, base * 2.6, d)
                place(out, s * np.hanning(len(s)) * 0.5, at + k * d * 1.4)
            at += rng.uniform(0.8, 1.4)
        elif kind == 1:     # a trill
            base = rng.uniform(3500, 5200)
            d = rng.uniform(0.4, 0.7)
            t = t_axis(d)
            f = base + 600 * np.sin(2 * np.pi * rng.uniform(22, 30) * t)
            s = np.sin(2 * np.pi * np.cumsum(f) / RATE) * tone_window(len(t), 0.05, 0.1)
            place(out, s * 0.35, at)
            at += d + rng.uniform(0.4, 0.9)
        else:               # a falling note
            base = rng.uniform(3000, 4500)
            d = rng.uniform(0.15, 0.25)
            s = chirp(base, base * 0.6, d)
            place(out, s * np.hanning(len(s)) * 0.45, at)
            at += rng.uniform(0.4, 0.8)
    return reverb(out, rng, 1.0, 0.25, 6000)


def frogs(rng):
    n = int(6.0 * RATE)
    out = 0.03 * band(rng.standard_normal(n), 100, 1500)
    at = 0.2
    while at < 5.4:
        f0 = rng.uniform(280, 420)
        pulses = rng.integers(5, 11)
        rate = rng.uniform(18, 28)
        for k in range(pulses):
            d = 0.035
            t = t_axis(d)
            s = (np.sin(2 * np.pi * f0 * t) + 0.5 * np.sin(2 * np.pi * 2 * f0 * t)
                 + 0.25 * np.sin(2 * np.pi * 3.1 * f0 * t))
            s *= np.hanning(len(t))
            place(out, s * 0.35 * (1 - 0.04 * k), at + k / rate)
        at += pulses / rate + rng.uniform(0.3, 1.0)
    return reverb(out, rng, 0.6, 0.2)


def wind_in_reeds(rng):
    n = int(7.0 * RATE)
    t = t_axis(7.0)
    env = smooth_env(n, [(0, 0.5), (0.25, 0.9), (0.5, 0.6), (0.75, 1.0), (1, 0.5)])
    base = band(rng.standard_normal(n), 150, 1200) * env
    rustle = band(rng.standard_normal(n), 2000, 7000)
    flutter = np.clip(band(rng.standard_normal(n), 2, 30) * 8, 0, None)
    out = 0.6 * base + 0.35 * rustle * flutter * env
    return out + 0.02 * np.sin(2 * np.pi * 0.2 * t)


def motor_boat(rng):
    n = int(8.0 * RATE)
    t = t_axis(8.0)
    f = 62 + 6 * np.tanh((t - 4.0) / 1.5) * -1 + 1.5 * np.sin(2 * np.pi * 0.7 * t)
    phase = 2 * np.pi * np.cumsum(f) / RATE
    saw = sum(np.sin(k * phase) / k for k in range(1, 14))
    engine = band(saw, 40, 900) * (1 + 0.25 * np.sin(phase / 4))
    wash = band(rng.standard_normal(n), 200, 1500) * 0.25
    env = smooth_env(n, [(0, 0.05), (0.45, 1.0), (0.55, 1.0), (1, 0.08)])
    return (engine + wash) * env


def rain(rng):
    n = int(6.0 * RATE)
    out = 0.35 * band(pink(n, rng), 400, 9000)
    for _ in range(900):
        d = rng.uniform(0.004, 0.012)
        m = int(d * RATE)
        f = rng.uniform(1500, 6000)
        click = np.sin(2 * np.pi * f * np.arange(m) / RATE) * np.exp(-np.arange(m) / (m / 4))
        place(out, click * rng.uniform(0.05, 0.25), rng.uniform(0, 5.98))
    return out


def crickets(rng):
    n = int(6.0 * RATE)
    out = 0.015 * band(rng.standard_normal(n), 500, 3000)
    for voice, f in enumerate((4300, 4700)):
        at = rng.uniform(0.05, 0.3)
        while at < 5.8:
            for k in range(3):
                d = 0.022
                t = t_axis(d)
                s = np.sin(2 * np.pi * f * t) * np.hanning(len(t))
                place(out, s * (0.3 if voice == 0 else 0.18), at + k * 0.035)
            at += rng.uniform(0.45, 0.6)
    return out


def cuckoo(rng):
    n = int(6.0 * RATE)
    out = 0.03 * band(rng.standard_normal(n), 200, 3000)
    at = 0.5
    for _ in range(4):
        for f0, d in ((720, 0.2), (600, 0.32)):
            t = t_axis(d)
            f = f0 * (1 - 0.04 * t / d)
            s = np.sin(2 * np.pi * np.cumsum(f) / RATE) + 0.12 * np.sin(4 * np.pi * np.cumsum(f) / RATE)
            s *= tone_window(len(t), 0.03, 0.06)
            place(out, s * 0.5, at)
            at += d + 0.08
        at += 0.65
    return reverb(out, rng, 1.5, 0.35)


def ducks(rng):
    n = int(5.0 * RATE)
    out = 0.02 * band(rng.standard_normal(n), 100, 1500)
    at = 0.3
    while at < 4.5:
        for k in range(rng.integers(2, 5)):
            d = rng.uniform(0.13, 0.2)
            t = t_axis(d)
            f = rng.uniform(220, 280) * (1 - 0.25 * t / d)
            phase = 2 * np.pi * np.cumsum(f) / RATE
            saw = sum(np.sin(h * phase) / h for h in range(1, 20))
            s = band(saw, 700, 2600) + 0.3 * band(saw, 150, 500)
            s *= tone_window(len(t), 0.015, 0.04)
            place(out, s * 0.6, at)
            at += d + rng.uniform(0.06, 0.12)
        at += rng.uniform(0.5, 1.0)
    return reverb(out, rng, 0.7, 0.2)


def fish_jump(rng):
    n = int(2.5 * RATE)
    out = np.zeros(n)
    m = int(0.35 * RATE)
    plop = chirp(260, 90, 0.35) * decay(m, 0.003, 0.06)
    place(out, plop, 0.4)
    spl = band(rng.standard_normal(m), 400, 4000) * decay(m, 0.005, 0.05)
    place(out, spl * 0.6, 0.4)
    for _ in range(10):
        f = rng.uniform(1200, 2600)
        d = rng.uniform(0.03, 0.05)
        drop = chirp(f, f * 1.4, d) * decay(int(d * RATE), 0.002, d / 4)
        place(out, drop * rng.uniform(0.1, 0.3), 0.5 + rng.exponential(0.2))
    return reverb(out, rng, 0.6, 0.2)


def wind_gust(rng):
    n = int(6.0 * RATE)
    env = smooth_env(n, [(0, 0.1), (0.35, 0.6), (0.55, 1.0), (0.7, 0.7), (1, 0.05)])
    x = rng.standard_normal(n)
    low = band(x, 60, 600)
    whistle = band(rng.standard_normal(n), 700, 900, 0.05)
    return (low + 0.6 * whistle) * env


def thunder(rng):
    n = int(8.0 * RATE)
    out = np.zeros(n)
    rumble = band(pink(n, rng), 25, 220) * smooth_env(n, [(0, 0), (0.06, 1.0), (0.25, 0.8), (0.5, 0.55), (1, 0.0)])
    for _ in range(6):
        at = rng.uniform(0.4, 3.0)
        m = int(rng.uniform(0.8, 1.6) * RATE)
        roll = band(rng.standard_normal(m), 30, 300) * decay(m, 0.1, 0.4)
        place(rumble, roll * rng.uniform(0.3, 0.7), at)
    out += rumble
    return reverb(out, rng, 2.0, 0.3, 800)


def rod_crack(rng):
    n = int(1.0 * RATE)
    out = np.zeros(n)
    m = int(0.12 * RATE)
    snap = band(rng.standard_normal(m), 800, 9000) * decay(m, 0.0005, 0.012)
    place(out, snap, 0.03)
    for f in (1650, 2430, 3720):
        tone = np.sin(2 * np.pi * f * np.arange(m) / RATE) * decay(m, 0.0005, 0.03)
        place(out, tone * 0.35, 0.03)
    m2 = int(0.08 * RATE)
    splinter = band(rng.standard_normal(m2), 1500, 8000) * decay(m2, 0.0005, 0.01)
    place(out, splinter * 0.5, 0.085)
    thud = chirp(140, 70, 0.2) * decay(int(0.2 * RATE), 0.002, 0.05)
    place(out, thud * 0.4, 0.35)
    return out


AMBIENT = [water_lapping, splash, birds, frogs, wind_in_reeds, motor_boat, rain,
           crickets, cuckoo, ducks, fish_jump, wind_gust, thunder]


def finish(x, fade_in=0.03, fade_out=0.08, loudness=0.12):
    """Fades at both ends, then a gain that keeps the peak at -3 dBFS at most
    and brings the ambient sounds to a similar loudness."""
    x = x - x.mean()
    a, b = int(fade_in * RATE), int(fade_out * RATE)
    x[:a] *= np.linspace(0, 1, a) ** 2
    x[-b:] *= np.linspace(1, 0, b) ** 2
    peak = np.abs(x).max() + 1e-12
    rms = np.sqrt(np.mean(x * x)) + 1e-12
    gain = PEAK / peak if loudness is None else min(PEAK / peak, loudness / rms)
    x = x * gain
    return np.round(x * 32767).astype("<i2")


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(samples.tobytes())


def build(root):
    folder = os.path.join(root, "sound")
    os.makedirs(folder, exist_ok=True)
    for i, fn in enumerate(AMBIENT, start=1):
        write_wav(os.path.join(folder, "fon%d.wav" % i), finish(fn(rng_for("sound", fn.__name__))))
    write_wav(os.path.join(folder, "crsp.wav"), finish(rod_crack(rng_for("sound", "crack")), 0.002, 0.05, None))
