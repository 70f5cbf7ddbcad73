// The local warp: a displacement field made of compactly supported radial
// functions (Wendland's C2 function, positive definite in the plane), so the
// map moves only within RAGGIO pixels of a control point and stays smooth.
import { distanzaFirmata } from './geometria.mjs';

const RAGGIO_INIZIALE = 14;
const MAX_GIRI = 6;
const LATO_MASSIMO = 0.5;
// How far from a missed marker the point carried onto it is looked for.
const RICERCA = 8;
const PASSO_RICERCA = 0.25;

const wendland = (r) => (r >= 1 ? 0 : (1 - r) ** 4 * (4 * r + 1));
// d/dr of the same.
const wendlandDerivata = (r) => (r >= 1 ? 0 : -20 * r * (1 - r) ** 3);

function risolvi(A, B) {
    // Gaussian elimination with partial pivoting; B has two columns.
    const n = A.length;
    const m = A.map((riga, i) => [...riga, B[i][0], B[i][1]]);
    for (let i = 0; i < n; i++) {
        let p = i;
        for (let k = i + 1; k < n; k++) if (Math.abs(m[k][i]) > Math.abs(m[p][i])) p = k;
        [m[i], m[p]] = [m[p], m[i]];
        for (let k = 0; k < n; k++) {
            if (k === i) continue;
            const f = m[k][i] / m[i][i];
            if (f === 0) continue;
            for (let j = i; j < n + 2; j++) m[k][j] -= f * m[i][j];
        }
    }
    return m.map((riga, i) => [riga[n] / riga[i], riga[n + 1] / riga[i]]);
}

// The field through the given control points: D(centro_k) = spostamento_k.
export function campo(controlli, raggio) {
    const A = controlli.map((a) => controlli.map((b) => wendland(Math.hypot(a.centro[0] - b.centro[0], a.centro[1] - b.centro[1]) / raggio)));
    const pesi = risolvi(A, controlli.map((c) => c.spostamento));
    const sposta = (p) => {
        let dx = 0;
        let dy = 0;
        controlli.forEach((c, k) => {
            const f = wendland(Math.hypot(p[0] - c.centro[0], p[1] - c.centro[1]) / raggio);
            dx += pesi[k][0] * f;
            dy += pesi[k][1] * f;
        });
        return [p[0] + dx, p[1] + dy];
    };
    // Determinant of the Jacobian of p -> p + D(p).
    const jacobiano = (p) => {
        let a = 1;
        let b = 0;
        let c = 0;
        let d = 1;
        controlli.forEach((k, i) => {
            const vx = p[0] - k.centro[0];
            const vy = p[1] - k.centro[1];
            const r = Math.hypot(vx, vy);
            if (r === 0 || r >= raggio) return;
            const g = wendlandDerivata(r / raggio) / (raggio * r);
            a += pesi[i][0] * g * vx;
            b += pesi[i][0] * g * vy;
            c += pesi[i][1] * g * vx;
            d += pesi[i][1] * g * vy;
        });
        return a * d - b * c;
    };
    return { sposta, jacobiano };
}

// Splits every edge near a control point into pieces of at most LATO_MASSIMO,
// so that the warped outline follows the field rather than cutting across it.
export function infittisci(anelli, vicino) {
    return anelli.map((anello) => {
        const nuovo = [];
        for (let k = 0; k < anello.length; k++) {
            const a = anello[k];
            const b = anello[(k + 1) % anello.length];
            nuovo.push(a);
            const l = Math.hypot(b[0] - a[0], b[1] - a[1]);
            if (l <= LATO_MASSIMO || !(vicino(a) || vicino(b) || vicino([(a[0] + b[0]) / 2, (a[1] + b[1]) / 2]))) continue;
            const n = Math.ceil(l / LATO_MASSIMO);
            for (let s = 1; s < n; s++) nuovo.push([a[0] + ((b[0] - a[0]) * s) / n, a[1] + ((b[1] - a[1]) * s) / n]);
        }
        return nuovo;
    });
}

// Warps `mappa` (region index -> rings, picture pixels) until every marker's
// dot lies at least `profondita` inside its own region, never letting a marker
// that was already there lose it. Returns the warped map and the controls used.
export function deformazione(mappa, marcatori, profondita) {
    const distanze = (m) => marcatori.map((k) => distanzaFirmata(m.get(k.regione), k.x, k.y));
    const soglia = -profondita + 0.05;
    const usati = [];
    let attuale = mappa;
    let raggio = RAGGIO_INIZIALE;
    for (let giro = 0; giro < MAX_GIRI; giro++) {
        const d = distanze(attuale);
        const mancati = marcatori.filter((_, i) => d[i] > soglia);
        if (mancati.length === 0) break;
        // For each miss, the nearest point of its own region lying deep enough
        // inside (or the deepest one nearby, in a strip too thin for that); the
        // field then carries that point exactly onto the marker's dot. Moving
        // an interior point rather than the edge also works where the region
        // is a strip narrower than the wanted depth.
        const controlli = mancati.map((k) => {
            const anelli = attuale.get(k.regione);
            let scelto = null;
            for (let y = -RICERCA; y <= RICERCA; y += PASSO_RICERCA) {
                for (let x = -RICERCA; x <= RICERCA; x += PASSO_RICERCA) {
                    const lontano = Math.hypot(x, y);
                    if (lontano > RICERCA) continue;
                    const profondo = -distanzaFirmata(anelli, k.x + x, k.y + y);
                    // Depth counts up to the wanted one, then nearness decides.
                    const pregio = Math.min(profondo, profondita) * 100 - lontano;
                    if (!scelto || pregio > scelto.pregio) scelto = { pregio, p: [k.x + x, k.y + y] };
                }
            }
            return { centro: scelto.p, spostamento: [k.x - scelto.p[0], k.y - scelto.p[1]], marcatore: k };
        });
        // Every other marker near a control point stays where the map is.
        const fermi = marcatori
            .filter((k) => !mancati.includes(k))
            .filter((k) => controlli.some((c) => Math.hypot(k.x - c.centro[0], k.y - c.centro[1]) < raggio))
            .map((k) => ({ centro: [k.x, k.y], spostamento: [0, 0] }));
        const tutti = [...controlli, ...fermi];
        // Widen the support until the field folds nowhere.
        let f;
        for (;;) {
            f = campo(tutti, raggio);
            let minimo = Infinity;
            for (const c of controlli) {
                for (let y = -raggio; y <= raggio; y += 0.5) {
                    for (let x = -raggio; x <= raggio; x += 0.5) {
                        minimo = Math.min(minimo, f.jacobiano([c.centro[0] + x, c.centro[1] + y]));
                    }
                }
            }
            if (minimo > 0.25 || raggio > 60) break;
            raggio *= 1.25;
        }
        const vicino = (p) => tutti.some((c) => Math.hypot(p[0] - c.centro[0], p[1] - c.centro[1]) < raggio);
        const prossima = new Map();
        for (const [r, anelli] of attuale) prossima.set(r, infittisci(anelli, vicino).map((a) => a.map(f.sposta)));
        // A marker that was deep enough must stay so.
        const dopo = distanze(prossima);
        const peggiorati = marcatori.filter((_, i) => d[i] <= soglia && dopo[i] > soglia);
        usati.push(...controlli.map((c) => ({ ...c, raggio })));
        attuale = prossima;
        if (peggiorati.length > 0) {
            console.warn(`warp round ${giro}: ${peggiorati.map((k) => k.nome).join(', ')} lost depth; another round follows`);
        }
    }
    return { mappa: attuale, controlli: usati };
}
