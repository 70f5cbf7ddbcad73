// Generates assets/mappa.svg: the regions of @svg-maps/italy fitted to the
// region areas and city markers of the map panels.
//
//   cd tools/mapgen && npm ci && node genera.mjs [--out ../../assets/mappa.svg]
//
// 1. An affine map from the package's frame into the 412 x 480 picture,
//    chosen by minimising a cost that wants every marker well inside its own
//    region and every region area over its own region's land.
// 2. A smooth local warp (compactly supported radial functions) that moves the
//    outline under each marker still too close to or beyond its region's edge,
//    pinned at every other nearby marker so that none of them moves.
// 3. A fit report, the colours, the SVG.
import { writeFileSync } from 'node:fs';
import { dirname, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

import italia from '@svg-maps/italy';

import { ALTEZZA, LARGHEZZA, NOMI_REGIONI, SAN_MARINO, leggiDisposizione } from './lib/disposizione.mjs';
import {
    applicaAffine,
    areaFirmata,
    dentro,
    puntoInterno,
    distanzaFirmata,
    inversaAffine,
    leggiPercorso,
    nelderMead,
    rasterizza,
    trasformaAnelli,
} from './lib/geometria.mjs';
import { assegnaColori, ROSSO_SAN_MARINO } from './lib/colori.mjs';
import { deformazione } from './lib/deformazione.mjs';

const qui = dirname(fileURLToPath(import.meta.url));
const radice = resolve(qui, '../..');
const argomenti = process.argv.slice(2);
const uscita = argomenti.includes('--out')
    ? resolve(argomenti[argomenti.indexOf('--out') + 1])
    : resolve(radice, 'assets/mappa.svg');

// How deep inside its region each marker's dot should lie, in picture pixels:
// enough for the pixel under it to be a clean fill colour once outlined.
const PROFONDITA = 1.6;
// The San Marino spot, a plain red disc on the marker's dot: large enough to
// cover the centre of the San Marino area, small enough to stay inside it.
const RAGGIO_SAN_MARINO = 2.6;
const CONTORNO = 0.7;
const PESO_MARGINE = Number(process.env.PESO_MARGINE ?? 0.5);
const PESO_AREE = Number(process.env.PESO_AREE ?? 200);

const ID_REGIONI = {
    'aosta-valley': 1,
    piedmont: 2,
    lombardy: 3,
    'trentino-south-tyrol': 4,
    'friuli-venezia-giulia': 5,
    veneto: 6,
    'emilia-romagna': 7,
    liguria: 8,
    tuscany: 9,
    marche: 10,
    umbria: 11,
    lazio: 12,
    abruzzo: 13,
    molise: 14,
    apulia: 15,
    campania: 16,
    calabria: 17,
    basilicata: 18,
    sicily: 19,
    sardinia: 20,
};

const { aree, marcatori } = leggiDisposizione(radice);
const regioni = italia.locations.map((l) => {
    const indice = ID_REGIONI[l.id];
    if (indice === undefined) throw new Error(`unknown region ${l.id}`);
    return { indice, anelli: leggiPercorso(l.path) };
});
if (regioni.length !== 20) throw new Error('the package should hold 20 regions');

// A hole that no other region fills (the data leaves one for San Marino inside
// Emilia Romagna, away from where the marker puts it) is given back to the
// region around it: San Marino is drawn as a spot on its own marker instead.
for (const r of regioni) {
    r.anelli = r.anelli.filter((anello, k) => {
        const [x, y] = puntoInterno(anello);
        const altriAnelli = r.anelli.filter((_, j) => j !== k);
        const buco = dentro(altriAnelli, x, y);
        const riempito = regioni.some((o) => o !== r && dentro(o.anelli, x, y));
        if (buco && !riempito) console.log(`Filled a hole of ${NOMI_REGIONI[r.indice]} near (${x.toFixed(0)}, ${y.toFixed(0)})`);
        return !(buco && !riempito);
    });
}
const perIndice = new Map(regioni.map((r) => [r.indice, r]));

// The marker of San Marino lies on the red spot, not on a region of the data.
const marcatoriRegione = marcatori.filter((m) => m.regione !== SAN_MARINO);
const areeRegione = aree.filter((a) => a.regione !== SAN_MARINO);

// ---------------------------------------------------------------- affine fit

// The package drawn once on a fine grid; the cost looks a sample up through
// the inverse of the candidate map.
const [, , larghezzaPacchetto, altezzaPacchetto] = italia.viewBox.split(' ').map(Number);
const SCALA_PACCHETTO = 4;
const wP = larghezzaPacchetto * SCALA_PACCHETTO;
const hP = altezzaPacchetto * SCALA_PACCHETTO;
const grigliaPacchetto = rasterizza(regioni, wP, hP, SCALA_PACCHETTO);

const PASSO_CAMPIONI = 1;
const campioni = areeRegione.map((a) => {
    const punti = [];
    for (let y = a.y0 + PASSO_CAMPIONI / 2; y < a.y1; y += PASSO_CAMPIONI) {
        for (let x = a.x0 + PASSO_CAMPIONI / 2; x < a.x1; x += PASSO_CAMPIONI) punti.push([x, y]);
    }
    return { area: a, punti };
});

function quote(t) {
    const inv = inversaAffine(t);
    return campioni.map(({ area, punti }) => {
        let terra = 0;
        let propria = 0;
        for (const p of punti) {
            const [u, v] = applicaAffine(inv, p);
            const c = Math.floor(u * SCALA_PACCHETTO);
            const r = Math.floor(v * SCALA_PACCHETTO);
            if (c < 0 || r < 0 || c >= wP || r >= hP) continue;
            const l = grigliaPacchetto[r * wP + c];
            if (l === 255) continue;
            terra++;
            if (l === area.regione) propria++;
        }
        return terra > 0 ? propria / terra : 0;
    });
}

function distanzeMarcatori(poligono) {
    return marcatoriRegione.map((m) => distanzaFirmata(poligono(m.regione), m.x, m.y));
}

function costo(t) {
    const det = t[0] * t[4] - t[1] * t[3];
    if (!(det > 0)) return 1e9;
    const trasformati = new Map();
    const poligono = (r) => {
        if (!trasformati.has(r)) {
            trasformati.set(r, trasformaAnelli(perIndice.get(r).anelli, (p) => applicaAffine(t, p)));
        }
        return trasformati.get(r);
    };
    let c = 0;
    // The warp can bring the outline the last pixel or two under a marker, so
    // the affine map is asked mostly to keep the areas over their regions.
    for (const d of distanzeMarcatori(poligono)) {
        const manca = Math.max(0, d + PESO_MARGINE);
        c += manca * manca;
    }
    for (const q of quote(t)) c += PESO_AREE * (1 - q) * (1 - q) + 10 * PESO_AREE * Math.max(0, 0.8 - q) ** 2;
    return c;
}

// Start from the least-squares map of each region's centroid onto the centre
// of its area(s) and markers.
function baricentro(anelli) {
    let a = 0;
    let x = 0;
    let y = 0;
    for (const anello of anelli) {
        for (let k = 0; k < anello.length; k++) {
            const p = anello[k];
            const q = anello[(k + 1) % anello.length];
            const w = p[0] * q[1] - q[0] * p[1];
            a += w;
            x += (p[0] + q[0]) * w;
            y += (p[1] + q[1]) * w;
        }
    }
    return [x / (3 * a), y / (3 * a)];
}

function affineMinimiQuadrati(coppie) {
    // Normal equations for x' = a x + b y + c (and the same for y').
    const M = [
        [0, 0, 0],
        [0, 0, 0],
        [0, 0, 0],
    ];
    const vx = [0, 0, 0];
    const vy = [0, 0, 0];
    for (const [[x, y], [X, Y]] of coppie) {
        const r = [x, y, 1];
        for (let i = 0; i < 3; i++) {
            for (let j = 0; j < 3; j++) M[i][j] += r[i] * r[j];
            vx[i] += r[i] * X;
            vy[i] += r[i] * Y;
        }
    }
    const risolvi = (A, b) => {
        const m = A.map((riga, i) => [...riga, b[i]]);
        for (let i = 0; i < 3; i++) {
            let p = i;
            for (let k = i + 1; k < 3; k++) if (Math.abs(m[k][i]) > Math.abs(m[p][i])) p = k;
            [m[i], m[p]] = [m[p], m[i]];
            for (let k = 0; k < 3; k++) {
                if (k === i) continue;
                const f = m[k][i] / m[i][i];
                for (let j = i; j < 4; j++) m[k][j] -= f * m[i][j];
            }
        }
        return m.map((riga, i) => riga[3] / riga[i]);
    };
    return [...risolvi(M, vx), ...risolvi(M, vy)];
}

const coppie = regioni.map((r) => {
    const bersagli = [
        ...aree.filter((a) => a.regione === r.indice).map((a) => [(a.x0 + a.x1) / 2, (a.y0 + a.y1) / 2]),
        ...marcatori.filter((m) => m.regione === r.indice).map((m) => [m.x, m.y]),
    ];
    const cx = bersagli.reduce((s, p) => s + p[0], 0) / bersagli.length;
    const cy = bersagli.reduce((s, p) => s + p[1], 0) / bersagli.length;
    return [baricentro(r.anelli), [cx, cy]];
});
let affine = affineMinimiQuadrati(coppie);
let valore = costo(affine);
for (let giro = 0; giro < 6; giro++) {
    const s = 0.02 / (giro + 1);
    const risultato = nelderMead(costo, affine, [s, s, 10 / (giro + 1), s, s, 10 / (giro + 1)], 600);
    if (risultato.valore >= valore - 1e-6 && giro > 2) break;
    affine = risultato.x;
    valore = risultato.valore;
}

// ---------------------------------------------------------------- warp

let mappa = new Map(
    regioni.map((r) => [r.indice, trasformaAnelli(r.anelli, (p) => applicaAffine(affine, p))]),
);
const poligonoAffine = (r) => mappa.get(r);
const distanzeAffini = distanzeMarcatori(poligonoAffine);
const quoteAffini = quotePixel(mappa);

const { mappa: deformata, controlli } = deformazione(mappa, marcatoriRegione, PROFONDITA);
mappa = deformata;

// ---------------------------------------------------------------- report

// Shares measured the way the test does: picture pixels at 4x whose centres
// fall in the area, land being any region.
function quotePixel(m) {
    const S = 4;
    const griglia = rasterizza(
        [...m].map(([indice, anelli]) => ({ indice, anelli })),
        LARGHEZZA * S,
        ALTEZZA * S,
        S,
    );
    return areeRegione.map((a) => {
        let terra = 0;
        let propria = 0;
        for (let r = Math.ceil(a.y0 * S - 0.5); (r + 0.5) / S < a.y1; r++) {
            for (let c = Math.ceil(a.x0 * S - 0.5); (c + 0.5) / S < a.x1; c++) {
                const l = griglia[r * LARGHEZZA * S + c];
                if (l === 255) continue;
                terra++;
                if (l === a.regione) propria++;
            }
        }
        return terra > 0 ? propria / terra : 0;
    });
}

const distanze = distanzeMarcatori((r) => mappa.get(r));
const quoteFinali = quotePixel(mappa);
const riassunto = (dist, q) => {
    const dentro = dist.filter((d) => d < 0).length + 1; // San Marino lies on its spot
    const peggiore = dist.reduce((k, d, i) => (d > dist[k] ? i : k), 0);
    const area = q.reduce((k, v, i) => (v < q[k] ? i : k), 0);
    return {
        dentro,
        peggiore: marcatoriRegione[peggiore],
        distanzaPeggiore: dist[peggiore],
        areaPeggiore: areeRegione[area],
        quotaPeggiore: q[area],
        media: q.reduce((s, v) => s + v, 0) / q.length,
    };
};
const fmt = (v) => v.toFixed(2).padStart(6);
console.log('Affine map: x\' = %s x + %s y + %s, y\' = %s x + %s y + %s', ...affine.map((v) => v.toFixed(5)));
console.log(`Warp control points: ${controlli.length}`);
console.log('\nMarkers (distance to own region in picture pixels; negative = inside):');
console.log('  idx  city                    region                  affine   final');
marcatoriRegione.forEach((m, i) => {
    const esito = distanze[i] < 0 ? 'inside' : 'OUTSIDE';
    console.log(
        `  ${String(m.indice).padStart(3)}  ${m.nome.padEnd(22)}  ${NOMI_REGIONI[m.regione].padEnd(22)} ${fmt(distanzeAffini[i])}  ${fmt(distanze[i])}  ${esito}`,
    );
});
console.log('   43  San Marino              San Marino               on the red spot');
console.log('\nAreas (share of the land under the area that is its own region):');
areeRegione.forEach((a, i) => {
    console.log(
        `  ${String(a.indice).padStart(3)}  ${NOMI_REGIONI[a.regione].padEnd(22)} affine ${(100 * quoteAffini[i]).toFixed(1).padStart(5)} %   final ${(100 * quoteFinali[i]).toFixed(1).padStart(5)} %`,
    );
});
for (const [nome, d, q] of [
    ['affine', distanzeAffini, quoteAffini],
    ['final ', distanze, quoteFinali],
]) {
    const s = riassunto(d, q);
    console.log(
        `\n${nome}: markers inside ${s.dentro}/107; worst marker ${s.peggiore.nome} (${s.distanzaPeggiore.toFixed(2)} px); ` +
            `worst area ${s.areaPeggiore.indice} ${NOMI_REGIONI[s.areaPeggiore.regione]} ${(100 * s.quotaPeggiore).toFixed(1)} %; ` +
            `mean ${(100 * s.media).toFixed(1)} %`,
    );
}

// ---------------------------------------------------------------- drawing

// Land the data leaves to no region, enclosed by regions: San Marino's own
// territory, cut out of Emilia Romagna and Marche. It is drawn red, under the
// regions' outlines, next to the spot; any other gap of that size would be a
// fault of the fit.
function terreSenzaRegione(m) {
    const S = 4;
    const w = LARGHEZZA * S;
    const h = ALTEZZA * S;
    const g = rasterizza([...m].map(([indice, anelli]) => ({ indice, anelli })), w, h, S);
    const visto = new Uint8Array(w * h);
    const pila = [];
    const visita = (i) => {
        if (!visto[i] && g[i] === 255) {
            visto[i] = 1;
            pila.push(i);
        }
    };
    const espandi = (raccogli) => {
        while (pila.length) {
            const i = pila.pop();
            raccogli?.(i);
            const x = i % w;
            const y = (i - x) / w;
            if (x > 0) visita(i - 1);
            if (x < w - 1) visita(i + 1);
            if (y > 0) visita(i - w);
            if (y < h - 1) visita(i + w);
        }
    };
    // The sea: everything unpainted that reaches the picture's edge.
    for (let x = 0; x < w; x++) [x, (h - 1) * w + x].forEach(visita);
    for (let y = 0; y < h; y++) [y * w, y * w + w - 1].forEach(visita);
    espandi();
    const buchi = [];
    for (let i = 0; i < w * h; i++) {
        if (visto[i] || g[i] !== 255) continue;
        const celle = [];
        visita(i);
        espandi((k) => celle.push(k));
        // Slivers along shared borders, hidden by the outline, are left alone.
        if (celle.length < S * S) continue;
        const angoli = [];
        for (const k of celle) {
            const x = k % w;
            const y = (k - x) / w;
            angoli.push([x / S, y / S], [(x + 1) / S, y / S], [x / S, (y + 1) / S], [(x + 1) / S, (y + 1) / S]);
        }
        buchi.push(inviluppo(angoli));
    }
    return buchi;
}

function inviluppo(punti) {
    const p = punti.slice().sort((a, b) => a[0] - b[0] || a[1] - b[1]);
    const croce = (o, a, b) => (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]);
    const giro = (lista) => {
        const h = [];
        for (const q of lista) {
            while (h.length >= 2 && croce(h[h.length - 2], h[h.length - 1], q) <= 0) h.pop();
            h.push(q);
        }
        h.pop();
        return h;
    };
    return [...giro(p), ...giro(p.slice().reverse())];
}

const areaSanMarino = aree.find((a) => a.indice === SAN_MARINO);
const territorioSanMarino = terreSenzaRegione(mappa);
for (const buco of territorioSanMarino) {
    const fuori = buco.some(([x, y]) => x < areaSanMarino.x0 || x > areaSanMarino.x1 || y < areaSanMarino.y0 || y > areaSanMarino.y1);
    if (fuori) throw new Error(`land of no region outside the San Marino area: ${JSON.stringify(buco)}`);
}
console.log(`San Marino territory: ${territorioSanMarino.length} piece(s), drawn red`);

const colori = assegnaColori(mappa);
const sanMarino = marcatori.find((m) => m.regione === SAN_MARINO);
const numero = (v) => {
    const s = v.toFixed(2).replace(/\.?0+$/, '');
    return s === '-0' ? '0' : s;
};
const percorso = (anelli) =>
    anelli
        .filter((a) => Math.abs(areaFirmata(a)) > 0.01)
        .map((a) => `M${a.map((p) => `${numero(p[0])} ${numero(p[1])}`).join(' ')}Z`)
        .join('');
const righe = [
    '<?xml version="1.0" encoding="UTF-8"?>',
    '<!-- Regions of Italy from @svg-maps/italy 2.0.0 (CC BY 4.0), based on the work of MapSVG;',
    '     fitted and coloured by tools/mapgen. See LICENZA-MAPPA.md. -->',
    `<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="${LARGHEZZA}" height="${ALTEZZA}" viewBox="0 0 ${LARGHEZZA} ${ALTEZZA}">`,
    `<rect x="0" y="0" width="${LARGHEZZA}" height="${ALTEZZA}" fill="#ffffff"/>`,
    ...territorioSanMarino.map((t) => `<path fill="${ROSSO_SAN_MARINO}" stroke="none" d="${percorso([t])}"/>`),
    `<g stroke="#000000" stroke-width="${CONTORNO}" stroke-linejoin="round" fill-rule="evenodd">`,
    ...[...mappa.keys()]
        .sort((a, b) => a - b)
        .map((r) => `<path id="regione-${String(r).padStart(2, '0')}" fill="${colori.get(r)}" d="${percorso(mappa.get(r))}"/>`),
    '</g>',
    `<circle id="regione-00" cx="${numero(sanMarino.x)}" cy="${numero(sanMarino.y)}" r="${RAGGIO_SAN_MARINO}" fill="${ROSSO_SAN_MARINO}" stroke="none"/>`,
    '</svg>',
    '',
];
writeFileSync(uscita, righe.join('\n'));
console.log(`\nWrote ${uscita}`);
