// The colours of the map: a school-atlas palette of soft, clearly different
// tints, dealt out so that neighbouring regions differ as much as possible.
import { rasterizza } from './geometria.mjs';
import { ALTEZZA, LARGHEZZA } from './disposizione.mjs';

export const ROSSO_SAN_MARINO = '#d62828';

const TAVOLOZZA = [
    '#f6d55c', '#f4a259', '#ea8f7e', '#f3b6c8', '#c6a4de', '#99b3e6', '#87cde0',
    '#7fc8a0', '#b6d67a', '#d6c38c', '#e9c7a3', '#c4e3a9', '#f6e7a6', '#b09fc8',
    '#9fcdbf', '#e3a3d4', '#d6a95a', '#9fbf85', '#7eaad6', '#dcb6a0',
];

const rgb = (h) => [1, 3, 5].map((i) => parseInt(h.slice(i, i + 2), 16));
export const distanzaColori = (a, b) => {
    const [p, q] = [rgb(a), rgb(b)];
    return Math.hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
};

// Regions whose land comes within `entro` picture pixels of each other.
export function vicini(mappa, entro = 1.5) {
    const S = 4;
    const w = LARGHEZZA * S;
    const h = ALTEZZA * S;
    const g = rasterizza([...mappa].map(([indice, anelli]) => ({ indice, anelli })), w, h, S);
    const passo = Math.round(entro * S);
    const coppie = new Set();
    for (let r = 0; r < h; r++) {
        for (let c = 0; c < w; c++) {
            const a = g[r * w + c];
            if (a === 255) continue;
            for (let dy = 0; dy <= passo; dy++) {
                for (let dx = -passo; dx <= passo; dx++) {
                    if (dy === 0 && dx <= 0) continue;
                    if (dx * dx + dy * dy > passo * passo) continue;
                    const rr = r + dy;
                    const cc = c + dx;
                    if (rr >= h || cc < 0 || cc >= w) continue;
                    const b = g[rr * w + cc];
                    if (b !== 255 && b !== a) coppie.add(a < b ? `${a}-${b}` : `${b}-${a}`);
                }
            }
        }
    }
    return [...coppie].map((k) => k.split('-').map(Number));
}

// Deals the palette out by local search (deterministic: a fixed-seed generator),
// maximising the smallest colour distance between neighbours, then their sum.
export function assegnaColori(mappa, regioneSanMarino = [7, 10]) {
    const regioni = [...mappa.keys()].sort((a, b) => a - b);
    const coppie = vicini(mappa);
    let seme = 20240601;
    const caso = () => {
        seme = (seme * 1103515245 + 12345) % 2147483648;
        return seme / 2147483648;
    };
    const valuta = (colore) => {
        let minimo = Infinity;
        let somma = 0;
        for (const [a, b] of coppie) {
            const d = distanzaColori(colore.get(a), colore.get(b));
            minimo = Math.min(minimo, d);
            somma += Math.min(d, 150);
        }
        // The red spot sits on the regions around San Marino.
        for (const r of regioneSanMarino) minimo = Math.min(minimo, distanzaColori(colore.get(r), ROSSO_SAN_MARINO));
        return minimo * 1000 + somma;
    };
    let migliore = null;
    let valoreMigliore = -Infinity;
    for (let prova = 0; prova < 40; prova++) {
        const ordine = TAVOLOZZA.slice();
        for (let i = ordine.length - 1; i > 0; i--) {
            const j = Math.floor(caso() * (i + 1));
            [ordine[i], ordine[j]] = [ordine[j], ordine[i]];
        }
        const colore = new Map(regioni.map((r, i) => [r, ordine[i]]));
        let valore = valuta(colore);
        for (let migliorato = true; migliorato; ) {
            migliorato = false;
            for (let i = 0; i < regioni.length; i++) {
                for (let j = i + 1; j < regioni.length; j++) {
                    const [a, b] = [regioni[i], regioni[j]];
                    const [ca, cb] = [colore.get(a), colore.get(b)];
                    colore.set(a, cb);
                    colore.set(b, ca);
                    const v = valuta(colore);
                    if (v > valore + 1e-9) {
                        valore = v;
                        migliorato = true;
                    } else {
                        colore.set(a, ca);
                        colore.set(b, cb);
                    }
                }
            }
        }
        if (valore > valoreMigliore) {
            valoreMigliore = valore;
            migliore = new Map(colore);
        }
    }
    const minimo = Math.min(...coppie.map(([a, b]) => distanzaColori(migliore.get(a), migliore.get(b))));
    console.log(`Colours: ${coppie.length} neighbouring pairs, smallest colour distance between neighbours ${minimo.toFixed(1)}`);
    return migliore;
}
