// Strzelecki's expedition of 1840 through the Snowy Mountains and Gippsland,
// and his surveys of Tasmania.
export default {
  title: 'Paweł Edmund Strzelecki',
  subtitle: '1797–1873',
  projection: { type: 'mercator', rotate: [-147, 0], fit: [[140.5, -44], [154, -44], [140.5, -32.5], [154, -32.5]] },
  pad: 6,
  routes: [
    {
      color: '#c0392b',
      points: [
        [151.21, -33.87], [150.3, -34.4], [149.5, -34.7], [148.9, -34.8], [148.6, -35.3], [148.4, -35.9],
        [148.26, -36.46], [148.1, -37.1], [147.6, -37.6], [147.0, -37.9], [146.4, -38.3], [145.6, -38.3],
        [145.3, -38.1], [144.96, -37.81],
      ],
      arrows: [2, 8],
    },
    {
      color: '#1f5fa8',
      dashed: true,
      points: [
        [147.14, -41.43], [146.4, -41.2], [145.9, -41.05], [145.3, -41.6], [145.5, -42.3], [146.3, -42.6],
        [146.9, -43.2], [147.33, -42.88], [147.9, -42.4], [148.1, -41.6], [147.8, -41.2], [147.14, -41.43],
      ],
    },
  ],
  places: [
    { name: 'Sydney', at: [151.21, -33.87], pos: 'e' },
    { name: 'Hartley – ślady złota (1839)', at: [150.18, -33.55], pos: 'n' },
    { name: 'Góra Kościuszki\n2228 m (1840)', at: [148.26, -36.46], pos: 'e', kind: 'star' },
    { name: 'Gippsland', at: [146.9, -37.4], kind: 'area' },
    { name: 'Melbourne', at: [144.96, -37.81], pos: 'w' },
    { name: 'Launceston', at: [147.14, -41.43], pos: 'w' },
    { name: 'Hobart', at: [147.33, -42.88], pos: 'e' },
    { name: 'Tasmania', at: [146.5, -42.1], kind: 'area' },
    { name: 'Nowa Południowa\nWalia', at: [146.3, -34.6], kind: 'area' },
  ],
  seaLabels: [
    { name: 'Ocean Spokojny', at: [152.3, -39], size: 12 },
    { name: 'Cieśnina Bassa', at: [145.5, -39.9], size: 10 },
  ],
  legend: [
    { color: '#c0392b', text: 'wyprawa przez Góry Śnieżne i Gippsland (1840)' },
    { color: '#1f5fa8', dashed: true, text: 'badania Tasmanii (1840–1842), trasy uproszczone' },
  ],
};
